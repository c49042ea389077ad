// The keyboard and mouse rules of the grid: which key or click switches between the selecting
// and editing modes, appends a row or column, moves out of the in-place editor, renames a
// header or opens the context menu.
#pragma once

#include <QObject>
#include <QPointer>

class QKeyEvent;
class QMouseEvent;
class SheetCommands;
class SheetView;

class SheetInput : public QObject
{
    Q_OBJECT

  public:
    SheetInput(SheetView &view, SheetCommands &commands, QObject *parent = nullptr);

  signals:
    void contextMenuRequested(const QPoint &globalPosition);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    bool gridKeyDown(const QKeyEvent &key);
    bool editorKeyDown(const QKeyEvent &key);
    bool gridMouseDown(const QMouseEvent &mouse);
    bool gridDoubleClick(QObject *watched, const QMouseEvent &mouse);

    SheetView &view_;
    SheetCommands &commands_;
    QPointer<QWidget> editor_;
};
