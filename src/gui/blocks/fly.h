#pragma once

#include "blocks/flydata.h"
#include "blocks/line.h"
#include "photos/adj.h"
#include "photos/capturetime.h"

#include <QDateTime>
#include <QList>
#include <QSettings>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <memory>

class FlyGraph;
class GeoCalc;
class LogWindow;
class Notyficator;
class QAction;
class QFileDialog;
class QMenu;
class QMimeData;
class OpenTimeMarkDialog;
class TableView;

namespace Ui {
class FlyForm;
}

/**
 * One block on the main window: the photos, timemark rows and output preview of one flight in
 * three tables that scroll and select as one. The block's data and rules live in FlyData; this
 * widget shows them and forwards the operator's commands.
 */
class Fly : public QWidget
{
    Q_OBJECT
public:
    Fly(int number, GeoCalc *geoCalc, QWidget *parent = nullptr);
    /// Stores the tables' and splitter's geometry.
    ~Fly() override;

    FlyData *data() const { return m_data; }
    int number() const { return m_data->number(); }
    bool countsMatch() const { return m_data->countsMatch(); }
    TableView *tablePhotos() const;
    TableView *tableMeta() const;
    TableView *tablePreview() const;
    /// The rows selected in the block, kept in step with the flight graph.
    const QList<int> &selection() const { return m_selection; }
    /// A filter pass is running: the tables and the frame are disabled meanwhile.
    bool isFiltering() const;
    /// The flight graph once "Fly view" has been used, else null; owned by the block.
    FlyGraph *graph() const { return m_graph; }

    /// Where one-line messages go; without one they are only logged.
    void setNotifier(Notyficator *notifier) { m_notifier = notifier; }
    /// The window that lists refused photos; without one the block makes its own.
    void setErrorWindow(LogWindow *window) { m_errorWindow = window; }
    void setNoCheck(bool noCheck);
    void setMultipleBlocks(bool multiple) { m_data->setMultipleBlocks(multiple); }

    /// Shows the labels of the current photos and rows; returns whether their counts match.
    bool updateLabels();
    /// Hides the date and accuracy columns the timemark file lacks (column numbers, 0 = none).
    void setMetaColumns(int colDate, int colSX, int colSY, int colSZ);
    /// Re-reads the timemarks after a change of coordinate system.
    void reloadTimemarks();
    /// After the settings changed: the timemark columns in the stored order, the preview with
    /// the stored offsets, the numbers in the stored format, the columns fitted to them.
    void applySettings();
    /// Fills a block made by a split (see FlyData::fillFromSplit).
    bool fillFromSplit(const QList<Line> &rows, const QStringList &photos, const QList<Adj> &adjs,
                       const QList<QDateTime> &dates, const BlockColumns &columns,
                       const QString &delimiter, const QList<CaptureTime> &captures = {});

    /// The kept photo file dialog (tests look at its start folder).
    QFileDialog *photoDialog() const { return m_photoDialog; }
    /// The two context menus, built once.
    QMenu *photoMenu() const { return m_photoMenu; }
    QMenu *metaMenu() const { return m_metaMenu; }
    /// Hands photo entries (paths or file URLs) to the reader, as the dialog and a drop do.
    void addPhotoEntries(const QStringList &entries);
    /// The block's timemark import dialog; nullptr until "Timemarks" was first used.
    OpenTimeMarkDialog *timemarkDialog() const { return m_timemarkDialog; }
    /// Runs the import dialog, with @p path chosen in it when given (a dropped file), and
    /// takes the accepted rows.
    void openTimemarks(const QString &path = QString());

signals:
    void changedPhotos();
    void changedMeta();
    void closing();
    void toViewPhoto(const QString &path);
    void toSetMetaLable(const QString &text);
    void onSelected(const QList<int> &rows);
    void onQurantined(const QList<int> &rows);
    void slicedBlock(const QList<Line> &meta, const QStringList &photos, const QList<Adj> &adjCache,
                     const QList<QDateTime> &dateCache, int colDate, int colSX, int colSY,
                     int colSZ, const QList<CaptureTime> &captureCache);

public slots:
    void setBlockNumber(int number);
    /// Frames the block green when its counts match, red otherwise.
    void setBlockChecked(bool checked);
    void activateFiltres();
    void deactivateFiltres();
    /// Fits the columns of the three tables to a sample of their rows and their headers.
    void autoResizeTable();
    void updateFly();
    /// From the graph: selects exactly @p rows in the three tables.
    void selectRows(const QList<int> &rows);
    void on_btn_openMeta_clicked();
    void on_btn_addPhotos_clicked();
    void on_btn_clearPhotos_clicked();
    void on_btn_closeFly_clicked();
    /// Cuts the block at time gaps; the main window makes a block of every piece.
    void on_btn_trySplit_clicked();
    void onDeletePhotosItems();
    void onDeletePhotosMetaItems();
    void onDeleteMetaItems();
    void onViewPhotosItems();
    void photosModelAdded();
    void on_tablePhotos_customContextMenuRequested(const QPoint &pos);
    void on_tableMeta_customContextMenuRequested(const QPoint &pos);
    /// Opens the block's flight graph, made on first use; later it is redrawn and raised.
    void on_btn_flyView_clicked();
    void selectionRows(const QList<int> &rows);
    void on_chkb_preview_clicked();
    void onSelectAllItems();
    void onDeselectAllItems();
    void onInvertSelection();
    void filterMetaSelected();
    void onAddQuarantine();
    void onRemoveQuarantine();
    void onClearQuarantine();
    void onFiltresEnded(const QList<int> &rows = QList<int>());
    void swichEnabledFilter(int index, bool on);
    void on_btn_3dflyview_clicked();
    void onGraphSelectDeselect(int index, double North, double East);
    void onBtnClearMarks_clicked();
    /// Checks the pairing by time and shows the outcome, with the removal of what it names.
    void onCheckPairing();

public:
    /// Photo reader results; not form objects, so connected explicitly.
    void on_noPhotosAdded();
    void on_noFilesAdded(const QStringList &files);
    /// Lists every photo of a batch that was not added, with its reason.
    void onPhotosRefused(const QStringList &entries, const QStringList &reasons);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void buildMenus();
    void showLabels();
    void notify(const QString &text);
    void selectInTables(const QList<int> &rows, bool clear);
    void clearTableSelections();
    void dropSelection();
    /// Clears the tables' and the map's selection and tells the graph, also when none was set.
    void resetSelection();
    /// After a quarantine change: the rows it took are no longer selected anywhere, and the
    /// graph gets the new quarantine.
    void quarantineChanged();
    void createGraph();
    /// Brings the first of @p rows into view; the other tables scroll with tableMeta.
    void scrollToRow(const QList<int> &rows);
    void setFiltering(bool on);
    void showMenu(QMenu *menu, TableView *table, const QPoint &pos);
    void restoreGeometries();
    /// Gives the timemark and preview tables the width of their columns and the photo table
    /// the rest, until the operator moves the splitter or a stored split was restored.
    void fitSplitter();
    void storeGeometries();
    LogWindow *errorWindow();
    /// Photo entries among dropped URLs, in drop order.
    static QStringList photoUrls(const QMimeData *mime);
    /// The local path of a drag of exactly one timemark file; empty for any other drag.
    static QString timemarkFileOf(const QMimeData *mime);
    void takeImport(OpenTimeMarkDialog *dialog);
    void showColumns(const BlockColumns &columns);
    /// The pairing status beside the labels and the "Check pairing" button.
    void showPairing();

    std::unique_ptr<Ui::FlyForm> m_ui;
    FlyData *m_data;
    Notyficator *m_notifier = nullptr;
    LogWindow *m_errorWindow = nullptr;
    LogWindow *m_ownErrorWindow = nullptr;
    FlyGraph *m_graph = nullptr;
    QList<int> m_selection;
    QList<int> m_quarantine;
    QList<int> m_foundRows; // rows found while the pass still runs, in order of arrival
    QTimer m_resizeTimer;
    bool m_autoSplit = true;
    QFileDialog *m_photoDialog = nullptr;
    OpenTimeMarkDialog *m_timemarkDialog = nullptr;
    QMenu *m_photoMenu = nullptr;
    QMenu *m_metaMenu = nullptr;
    QAction *m_removePhotos = nullptr;
    QAction *m_removeMeta = nullptr;
    QAction *m_removePairs = nullptr;
    QAction *m_addQuarantine = nullptr;
    QAction *m_removeQuarantine = nullptr;
    QAction *m_checkPairing = nullptr;
    QTimer m_pairingTimer; // gathers the models' many change signals into one status update
    QList<QAction *> m_filterActions;
    QSettings m_settings;
};
