// The modal preview of the results report: pages with thumbnails and an outline of the sections,
// page navigation, zoom, find, page set-up, print, save and open of a prepared report, export,
// quick export to PDF, and retyping any text of a page by clicking it. Every message and question
// goes through the Prompter and every dialog through PreviewDialogs, so tests drive it without
// modal loops.
#pragma once

#include "PreparedReport.h"
#include "ReportExport.h"

#include <QDialog>
#include <QFutureWatcher>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>

class PageView;
class PreviewDialogs;
class Prompter;
class QAction;
class QLabel;
class QLineEdit;
class QListView;
class QScrollArea;
class QSpinBox;
class QStackedWidget;
class QTabWidget;
class QTreeWidget;
class ThumbnailModel;

class ReportPreview : public QDialog
{
    Q_OBJECT
  public:
    // Builds the report; asks keepGoing now and then and stops when it answers false.
    using Builder = std::function<PreparedReport(const std::function<bool()> &keepGoing)>;

    ReportPreview(Prompter &prompter, PreviewDialogs &dialogs, QWidget *parent = nullptr);
    ~ReportPreview() override;

    void setReport(PreparedReport report);
    // Builds the report away from the user-interface thread; the preview stays responsive and
    // shows the pages when they are ready.
    void prepare(Builder build);
    bool isPreparing() const;
    void waitUntilPrepared(); // for the command line and tests

    const PreparedReport *report() const { return report_.get(); }
    PageView *pageView() const { return pageView_; }
    int currentPage() const;
    QAction *action(const QString &caption) const; // a tool button's action by its caption

    void goToPage(int page);
    void editItem(int page, const PageItem &item);
    bool findNext(const QString &text);
    void changePageSetup();
    void printPages();
    void saveReport();
    void openReport();
    void exportTo(ExportFormat format);
    void setZoom(double zoom);
    void fitPageWidth();
    void fitWholePage();

  private:
    QAction *addTool(const QString &caption, const QString &tip, std::function<void()> run);
    void buildToolBars(class QToolBar *fileBar, QToolBar *viewBar);
    QWidget *buildSidePanel();
    QWidget *buildFindBar();
    void showReport();
    void fillOutline();
    void updatePageControls();
    void preparationFinished();
    bool runWithProgress(const QString &label,
                         const std::function<void(const ExportProgress &)> &work);

    Prompter &prompter_;
    PreviewDialogs &dialogs_;
    std::unique_ptr<PreparedReport> report_;
    QFutureWatcher<std::shared_ptr<PreparedReport>> watcher_;
    std::atomic<bool> cancel_{false};

    QStackedWidget *stack_;
    PageView *pageView_;
    QScrollArea *scroll_;
    QTabWidget *side_;
    QListView *thumbnails_;
    ThumbnailModel *thumbnailModel_;
    QTreeWidget *outline_;
    QWidget *findBar_;
    QLineEdit *findText_;
    QLabel *status_;
    QSpinBox *pageNumber_;
    QLabel *pageTotal_;
    QList<QAction *> tools_;

    struct Found {
        QString text;
        int page = 0;
        std::size_t item = 0;
    };
    std::optional<Found> found_;
};
