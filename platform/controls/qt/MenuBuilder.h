#pragma once
// Qt menus built from TMenuItem trees, for popup menus and the form's bar.
#include <QHash>

class QAction;
class QMenu;
class TCustomImageList;
class TMenuItem;

// Adds the visible sub-items of Parent to Menu; Map gets each action's item.
void BuildMenuItems(QMenu* Menu, TMenuItem* Parent, TCustomImageList* Images, QHash<QAction*, TMenuItem*>& Map);
// Icon, enabled and checked state of the item's action.
void ApplyItemState(QAction* Action, TMenuItem* Item, TCustomImageList* Images);
