#pragma once
// Where a caption stands relative to a picture or colour box (the item
// selector's cells, the keypad's buttons).
enum TItemLayout { ilCaptionLeft, ilCaptionRight, ilCaptionTop, ilCaptionBottom };
