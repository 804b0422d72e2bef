#pragma once
// The keyboard's way through a page: Tab follows what the eye sees, and a group of radio
// buttons is entered on the choice it holds.
//
//     OrderTabsByLayout(page);          // once the page's layouts are built
//     TabToCheckedButton(buttonGroup);  // keeps following the checked button from then on

class QButtonGroup;
class QWidget;

// Chains the focus of top's controls in the order its layouts hold them: down each column,
// the columns from left to right, a form row by row, a grid layout in reading order.
void OrderTabsByLayout(QWidget* top);

// Tab lands on the group's checked button (on its first while none is checked); the arrow
// keys still move between the buttons and a click still focuses any of them.
void TabToCheckedButton(QButtonGroup* group);
