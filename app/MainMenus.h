// The main window's menu bar, tool bars and the grid's context menu.
#pragma once

struct MainActions;
class QMainWindow;
class QMenu;
class QWidget;

void buildMainMenu(QMainWindow &window, const MainActions &actions);
void buildToolBars(QMainWindow &window, const MainActions &actions);
// The grid's context menu (`PopupMenu1`).
QMenu *buildPopupMenu(QWidget *owner, const MainActions &actions);
