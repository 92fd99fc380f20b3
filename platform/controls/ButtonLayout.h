#pragma once
// The framework's button vocabulary: where a glyph stands beside the
// caption, and the states a speed button is drawn in.
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
// bsExclusive: down in its group.
enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };
