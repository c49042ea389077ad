#include "ReportPreview.h"

#include "PageView.h"
#include "PreviewDialogs.h"
#include "Prompter.h"
#include "ReportFile.h"
#include "ReportPrinting.h"
#include "ThumbnailModel.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPrinter>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QStackedWidget>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QtConcurrent>

namespace
{

constexpr double zoomStep = 1.25;
constexpr double minZoom = 0.1;
constexpr double maxZoom = 5;

const QString renameCaption = QStringLiteral("Μετονομασία");
const QString renamePrompt = QStringLiteral("Δώστε νέα τιμή/ετικέτα:");
const QString reportFilter = QStringLiteral("Αναφορά Vistrel (*.vrp)");
const QString relayoutQuestion =
    QStringLiteral("Η νέα διάταξη των σελίδων αναιρεί τις αλλαγές που έγιναν σε αυτές. Συνέχεια;");
const QString printError = QStringLiteral("Σφάλμα κατά την εκτύπωση της αναφοράς.");
const QString notFound = QStringLiteral("Το κείμενο δεν βρέθηκε.");
const QString preparationError =
    QStringLiteral("Η αναφορά δεν χωράει στη μνήμη του υπολογιστή και δεν μπορεί να εμφανιστεί.");

// The busy pointer for the length of an operation, restored on every path.
class BusyCursor
{
  public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

} // namespace

ReportPreview::ReportPreview(Prompter &prompter, PreviewDialogs &dialogs, QWidget *parent)
    : QDialog(parent), prompter_(prompter), dialogs_(dialogs), stack_(new QStackedWidget),
      pageView_(new PageView), scroll_(new QScrollArea), thumbnailModel_(new ThumbnailModel(this)),
      status_(new QLabel), pageNumber_(new QSpinBox), pageTotal_(new QLabel)
{
    setWindowTitle(QStringLiteral("Προεπισκόπηση αναφοράς"));
    setModal(true);
    resize(1024, 760);

    // Two rows of tool buttons with their captions: the report's files, then viewing it.
    auto *fileBar = new QToolBar;
    auto *viewBar = new QToolBar;
    for (QToolBar *bar : {fileBar, viewBar})
        bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    buildToolBars(fileBar, viewBar);

    auto *waiting = new QWidget;
    auto *waitingLayout = new QVBoxLayout(waiting);
    auto *busy = new QProgressBar;
    busy->setRange(0, 0);
    waitingLayout->addStretch();
    waitingLayout->addWidget(new QLabel(QStringLiteral("Προετοιμασία της αναφοράς...")), 0,
                             Qt::AlignHCenter);
    waitingLayout->addWidget(busy);
    waitingLayout->addStretch();

    scroll_->setWidget(pageView_);
    scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scroll_->setBackgroundRole(QPalette::Dark);
    auto *splitter = new QSplitter;
    splitter->addWidget(buildSidePanel());
    splitter->addWidget(scroll_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({220, 800});
    stack_->addWidget(waiting);
    stack_->addWidget(splitter);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(fileBar);
    layout->addWidget(viewBar);
    layout->addWidget(buildFindBar());
    layout->addWidget(stack_, 1);
    layout->addWidget(status_);

    connect(pageView_, &PageView::itemClicked, this, &ReportPreview::editItem);
    connect(&watcher_, &QFutureWatcherBase::finished, this, &ReportPreview::preparationFinished);
    updatePageControls();
}

ReportPreview::~ReportPreview()
{
    cancel_ = true;
    watcher_.waitForFinished();
}

QAction *ReportPreview::addTool(const QString &caption, const QString &tip,
                                std::function<void()> run)
{
    auto *action = new QAction(caption, this);
    action->setToolTip(tip);
    action->setObjectName(caption);
    connect(action, &QAction::triggered, this, [run = std::move(run)] { run(); });
    tools_ << action;
    return action;
}

void ReportPreview::buildToolBars(QToolBar *fileBar, QToolBar *viewBar)
{
    QToolBar *bar = fileBar;
    const auto tool = [&](const QString &caption, const QString &tip, QStyle::StandardPixmap pixmap,
                          std::function<void()> run) {
        QAction *action = addTool(caption, tip, std::move(run));
        action->setIcon(style()->standardIcon(pixmap));
        bar->addAction(action);
        return action;
    };
    tool(QStringLiteral("Εκτύπωση"), QStringLiteral("Εκτύπωση της αναφοράς"),
         QStyle::SP_ComputerIcon, [this] { printPages(); })
        ->setIcon(QIcon::fromTheme(QStringLiteral("document-print"),
                                   style()->standardIcon(QStyle::SP_ComputerIcon)));
    tool(QStringLiteral("Άνοιγμα"), QStringLiteral("Άνοιγμα αποθηκευμένης αναφοράς"),
         QStyle::SP_DialogOpenButton, [this] { openReport(); });
    tool(QStringLiteral("Αποθήκευση"), QStringLiteral("Αποθήκευση της αναφοράς"),
         QStyle::SP_DriveFDIcon, [this] { saveReport(); });
    QAction *exportAction =
        tool(QStringLiteral("Εξαγωγή"), QStringLiteral("Εξαγωγή της αναφοράς σε αρχείο"),
             QStyle::SP_FileDialogDetailedView, [] {});
    auto *formats = new QMenu(this);
    for (const ExportFormatInfo &info : exportFormats())
        formats->addAction(info.name, this, [this, format = info.format] { exportTo(format); });
    exportAction->setMenu(formats);
    if (auto *button = qobject_cast<QToolButton *>(bar->widgetForAction(exportAction)))
        button->setPopupMode(QToolButton::InstantPopup);
    tool(QStringLiteral("Γρήγορη εξαγωγή"), QStringLiteral("Εξαγωγή σε PDF με ένα βήμα"),
         QStyle::SP_FileIcon, [this] { exportTo(ExportFormat::Pdf); });
    bar->addSeparator();
    tool(QStringLiteral("Εύρεση"), QStringLiteral("Εύρεση κειμένου στην αναφορά"),
         QStyle::SP_FileDialogContentsView, [this] {
             findBar_->setVisible(!findBar_->isVisible());
             findText_->setFocus();
         });
    tool(QStringLiteral("Μικρογραφίες"), QStringLiteral("Μικρογραφίες των σελίδων"),
         QStyle::SP_FileDialogListView, [this] {
             side_->setVisible(!side_->isVisible() || side_->currentIndex() != 0);
             side_->setCurrentIndex(0);
         });
    tool(QStringLiteral("Διάρθρωση"), QStringLiteral("Οι ενότητες της αναφοράς"),
         QStyle::SP_DirIcon, [this] {
             side_->setVisible(!side_->isVisible() || side_->currentIndex() != 1);
             side_->setCurrentIndex(1);
         });
    tool(QStringLiteral("Διαμόρφωση σελίδας"),
         QStringLiteral("Μέγεθος χαρτιού, προσανατολισμός και περιθώρια"),
         QStyle::SP_FileDialogInfoView, [this] { changePageSetup(); });
    bar->addSeparator();
    tool(QStringLiteral("Κλείσιμο"), QStringLiteral("Κλείσιμο της προεπισκόπησης"),
         QStyle::SP_DialogCloseButton, [this] { reject(); });
    bar = viewBar;
    tool(QStringLiteral("Σμίκρυνση"), QStringLiteral("Σμίκρυνση"), QStyle::SP_ArrowDown,
         [this] { setZoom(pageView_->zoom() / zoomStep); });
    tool(QStringLiteral("Μεγέθυνση"), QStringLiteral("Μεγέθυνση"), QStyle::SP_ArrowUp,
         [this] { setZoom(pageView_->zoom() * zoomStep); });
    tool(QStringLiteral("100%"), QStringLiteral("Πραγματικό μέγεθος"),
         QStyle::SP_TitleBarNormalButton, [this] { setZoom(1); });
    tool(QStringLiteral("Πλάτος"), QStringLiteral("Πλάτος σελίδας"), QStyle::SP_TitleBarMaxButton,
         [this] { fitPageWidth(); });
    tool(QStringLiteral("Ολόκληρη"), QStringLiteral("Ολόκληρη σελίδα"), QStyle::SP_DesktopIcon,
         [this] { fitWholePage(); });
    bar->addSeparator();
    tool(QStringLiteral("Πρώτη"), QStringLiteral("Πρώτη σελίδα"), QStyle::SP_MediaSkipBackward,
         [this] { goToPage(0); });
    tool(QStringLiteral("Προηγούμενη"), QStringLiteral("Προηγούμενη σελίδα"),
         QStyle::SP_MediaSeekBackward, [this] { goToPage(currentPage() - 1); });
    pageNumber_->setToolTip(QStringLiteral("Αριθμός σελίδας"));
    pageNumber_->setKeyboardTracking(false);
    connect(pageNumber_, &QSpinBox::valueChanged, this, [this](int value) { goToPage(value - 1); });
    bar->addWidget(pageNumber_);
    bar->addWidget(pageTotal_);
    tool(QStringLiteral("Επόμενη"), QStringLiteral("Επόμενη σελίδα"), QStyle::SP_MediaSeekForward,
         [this] { goToPage(currentPage() + 1); });
    tool(QStringLiteral("Τελευταία"), QStringLiteral("Τελευταία σελίδα"),
         QStyle::SP_MediaSkipForward, [this] { goToPage(report_ ? report_->pageCount() - 1 : 0); });
}

QWidget *ReportPreview::buildSidePanel()
{
    thumbnails_ = new QListView;
    thumbnails_->setModel(thumbnailModel_);
    thumbnails_->setUniformItemSizes(true);
    thumbnails_->setIconSize(QSize(ThumbnailModel::width, ThumbnailModel::width * 3 / 2));
    thumbnails_->setViewMode(QListView::IconMode);
    thumbnails_->setFlow(QListView::TopToBottom);
    thumbnails_->setWrapping(false);
    thumbnails_->setMovement(QListView::Static);
    connect(thumbnails_, &QListView::clicked, this,
            [this](const QModelIndex &index) { goToPage(index.row()); });

    outline_ = new QTreeWidget;
    outline_->setHeaderHidden(true);
    connect(outline_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) {
        if (report_)
            goToPage(report_->layout().sectionPage(item->data(0, Qt::UserRole).toInt()));
    });

    side_ = new QTabWidget;
    side_->addTab(thumbnails_, QStringLiteral("Μικρογραφίες"));
    side_->addTab(outline_, QStringLiteral("Διάρθρωση"));
    return side_;
}

QWidget *ReportPreview::buildFindBar()
{
    findBar_ = new QWidget;
    findText_ = new QLineEdit;
    findText_->setPlaceholderText(QStringLiteral("Κείμενο προς εύρεση"));
    auto *next = new QPushButton(QStringLiteral("Εύρεση επόμενου"));
    const auto find = [this] { findNext(findText_->text()); };
    connect(findText_, &QLineEdit::returnPressed, this, find);
    connect(next, &QPushButton::clicked, this, find);
    auto *layout = new QHBoxLayout(findBar_);
    layout->addWidget(new QLabel(QStringLiteral("Εύρεση:")));
    layout->addWidget(findText_, 1);
    layout->addWidget(next);
    findBar_->hide();
    return findBar_;
}

QAction *ReportPreview::action(const QString &caption) const
{
    for (QAction *tool : tools_)
        if (tool->text() == caption)
            return tool;
    return nullptr;
}

void ReportPreview::setReport(PreparedReport report)
{
    report_ = std::make_unique<PreparedReport>(std::move(report));
    showReport();
}

void ReportPreview::prepare(Builder build)
{
    report_.reset();
    showReport();
    cancel_ = false;
    watcher_.setFuture(QtConcurrent::run([this, build = std::move(build)] {
        try {
            return std::make_shared<PreparedReport>(build([this] { return !cancel_.load(); }));
        } catch (const LayoutCancelled &) {
            return std::shared_ptr<PreparedReport>();
        } catch (const std::bad_alloc &) {
            return std::shared_ptr<PreparedReport>(); // told to the user when it arrives
        }
    }));
}

bool ReportPreview::isPreparing() const
{
    return watcher_.isRunning();
}

void ReportPreview::waitUntilPrepared()
{
    watcher_.waitForFinished();
    QCoreApplication::sendPostedEvents(&watcher_); // delivers finished()
}

void ReportPreview::preparationFinished()
{
    if (report_ || watcher_.future().resultCount() == 0 || cancel_)
        return;
    if (const std::shared_ptr<PreparedReport> prepared = watcher_.result())
        setReport(std::move(*prepared));
    else
        prompter_.error(this, preparationError);
}

void ReportPreview::showReport()
{
    found_.reset();
    stack_->setCurrentIndex(report_ ? 1 : 0);
    for (QAction *tool : tools_)
        tool->setEnabled(report_ != nullptr || tool->text() == QStringLiteral("Κλείσιμο"));
    pageView_->setReport(report_.get());
    thumbnailModel_->setReport(report_.get());
    fillOutline();
    updatePageControls();
}

void ReportPreview::fillOutline()
{
    outline_->clear();
    if (!report_)
        return;
    for (int s = 0; s < static_cast<int>(report_->content().sections.size()); ++s) {
        auto *item = new QTreeWidgetItem(outline_, {report_->text({ItemRole::Caption, s})});
        item->setData(0, Qt::UserRole, s);
    }
}

int ReportPreview::currentPage() const
{
    return pageView_->page();
}

void ReportPreview::goToPage(int page)
{
    if (!report_ || report_->pageCount() == 0)
        return;
    page = std::clamp(page, 0, report_->pageCount() - 1);
    if (page != pageView_->page()) {
        pageView_->setHighlight(std::nullopt);
        pageView_->showPage(page);
    }
    updatePageControls();
}

void ReportPreview::updatePageControls()
{
    const int pages = report_ ? report_->pageCount() : 0;
    const QSignalBlocker blocker(pageNumber_);
    pageNumber_->setRange(pages > 0 ? 1 : 0, pages);
    pageNumber_->setValue(currentPage() + 1);
    pageTotal_->setText(QStringLiteral(" / %1 ").arg(pages));
    if (pages > 0) {
        status_->setText(QStringLiteral("Σελίδα %1 από %2").arg(currentPage() + 1).arg(pages));
        thumbnails_->setCurrentIndex(thumbnailModel_->index(currentPage()));
    }
}

void ReportPreview::editItem(int page, const PageItem &item)
{
    if (!report_)
        return;
    const QString answer = prompter_.input(this, renameCaption, renamePrompt, item.text.trimmed());
    report_->setItemText(page, item.key, answer);
    pageView_->refresh();
    thumbnailModel_->pageChanged(page);
    if (item.key.role == ItemRole::Caption)
        fillOutline();
}

bool ReportPreview::findNext(const QString &text)
{
    if (!report_ || text.isEmpty())
        return false;
    BusyCursor busy;
    const bool again = found_ && found_->text == text && found_->page == currentPage();
    const int pages = report_->pageCount();
    std::size_t from = again ? found_->item + 1 : 0;
    for (int step = 0; step <= pages; ++step, from = 0) {
        const int page = (currentPage() + step) % pages;
        const std::vector<PageItem> items = report_->pageItems(page);
        for (std::size_t i = from; i < items.size(); ++i) {
            if (!items[i].text.contains(text, Qt::CaseInsensitive))
                continue;
            found_ = Found{text, page, i};
            goToPage(page);
            pageView_->setHighlight(items[i].key);
            scroll_->ensureVisible(
                static_cast<int>(items[i].rect.center().x() * pageView_->zoom()),
                static_cast<int>(items[i].rect.center().y() * pageView_->zoom()));
            return true;
        }
    }
    found_.reset();
    pageView_->setHighlight(std::nullopt);
    status_->setText(notFound);
    return false;
}

void ReportPreview::setZoom(double zoom)
{
    pageView_->setZoom(std::clamp(zoom, minZoom, maxZoom));
}

void ReportPreview::fitPageWidth()
{
    const double room = scroll_->viewport()->width() - 2 * 16;
    setZoom(room / pageView_->sizeHint().width() * pageView_->zoom());
}

void ReportPreview::fitWholePage()
{
    const QSize room = scroll_->viewport()->size() - QSize(32, 32);
    const QSize page = pageView_->sizeHint();
    setZoom(std::min(double(room.width()) / page.width(), double(room.height()) / page.height()) *
            pageView_->zoom());
}

void ReportPreview::changePageSetup()
{
    if (!report_)
        return;
    const std::optional<PageSetup> setup = dialogs_.pageSetup(this, report_->setup());
    if (!setup || *setup == report_->setup())
        return;
    if (report_->hasEdits() && prompter_.question(this, relayoutQuestion) != Prompter::Answer::Yes)
        return;
    {
        BusyCursor busy;
        report_->relayout(*setup);
    }
    showReport();
}

bool ReportPreview::runWithProgress(const QString &label,
                                    const std::function<void(const ExportProgress &)> &work)
{
    QProgressDialog progress(label, QStringLiteral("Άκυρο"), 0, 1000, this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    BusyCursor busy;
    work([&progress](qint64 done, qint64 total) {
        progress.setValue(total > 0 ? static_cast<int>(done * 1000 / total) : 1000);
        return !progress.wasCanceled();
    });
    return !progress.wasCanceled();
}

void ReportPreview::exportTo(ExportFormat format)
{
    if (!report_)
        return;
    const ExportFormatInfo &info = formatInfo(format);
    const QString path =
        dialogs_.saveFileName(this, QStringLiteral("Εξαγωγή αναφοράς"),
                              QStringLiteral("%1 (*.%2)").arg(info.name, info.suffix), info.suffix);
    if (path.isEmpty())
        return;
    QString failure;
    const bool finished = runWithProgress(QStringLiteral("Εξαγωγή της αναφοράς..."),
                                          [&](const ExportProgress &progress) {
                                              try {
                                                  exportReport(*report_, format, path, progress);
                                              } catch (const ExportError &error) {
                                                  failure = error.message();
                                              }
                                          });
    if (finished && !failure.isEmpty())
        prompter_.error(this, failure);
}

void ReportPreview::printPages()
{
    if (!report_)
        return;
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, report_->setup());
    if (!dialogs_.choosePrinter(this, printer, report_->pageCount()))
        return;
    bool printed = false;
    const bool finished = runWithProgress(QStringLiteral("Εκτύπωση της αναφοράς..."),
                                          [&](const ExportProgress &progress) {
                                              printed = printReport(*report_, printer, progress);
                                          });
    if (finished && !printed)
        prompter_.error(this, printError);
}

void ReportPreview::saveReport()
{
    if (!report_)
        return;
    const QString path = dialogs_.saveFileName(this, QStringLiteral("Αποθήκευση αναφοράς"),
                                               reportFilter, reportfile::suffix);
    if (path.isEmpty())
        return;
    try {
        BusyCursor busy;
        reportfile::save(*report_, path);
    } catch (const ReportFileError &error) {
        prompter_.error(this, error.message());
    }
}

void ReportPreview::openReport()
{
    const QString path =
        dialogs_.openFileName(this, QStringLiteral("Άνοιγμα αναφοράς"), reportFilter);
    if (path.isEmpty())
        return;
    try {
        BusyCursor busy;
        setReport(reportfile::open(path));
    } catch (const ReportFileError &error) {
        prompter_.error(this, error.message());
    }
}
