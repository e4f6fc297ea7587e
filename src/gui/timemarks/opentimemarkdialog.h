#pragma once

#include <QDialog>
#include <QModelIndex>
#include <QSettings>
#include <QStringList>

#include <memory>

class GeoCalc;
class OpentTimeMarkTableModel;
class QFileSystemModel;
class QLabel;
class QMenu;
class QSpinBox;
class QTimer;
class TimemarkFile;

namespace Ui {
class OpenTimeMarkDialog;
}

/**
 * The window in which the operator picks a timemark file and tells what its columns mean: a
 * file explorer restricted to timemark files on the left; on the right the file split into a
 * table with one coloured control per column role, or the file's raw text when it is not a
 * timemark file. Detection and loading are TimemarkFile's; this adds what the operator sees.
 *
 * A block keeps one dialog for its life. After exec() returned Accepted, tableModel() holds
 * the rows and roles whose toLines() the block takes; OK is offered only then, and refused
 * (with a warning) while a numeric cell of a row to be taken holds no number.
 */
class OpenTimeMarkDialog : public QDialog
{
    Q_OBJECT

public:
    explicit OpenTimeMarkDialog(GeoCalc *geoCalc, QWidget *parent = nullptr);
    /// Stores the geometries and the splitter state.
    ~OpenTimeMarkDialog() override;

    /// The suffixes, in lower case, of the files listed and taken as timemark files.
    static const QStringList &timemarkSuffixes();

    /// Locked, the metric/degree choice cannot be changed (more than one block exists).
    void setCoordinateLocked(bool locked);
    bool isCoordinateLocked() const { return m_coordinateLocked; }
    /// coordinate/type as last accepted; the block writes it back when the dialog is cancelled.
    int acceptedCoordinateType() const { return m_acceptedCoordinateType; }
    void setAcceptedCoordinateType(int type) { m_acceptedCoordinateType = type; }

    /// The raw table with its column roles and first row.
    OpentTimeMarkTableModel *tableModel() const { return m_model; }
    /// Index into separatorList of the delimiter the table was split with.
    int separatorIndex() const;
    /// The split pattern of that delimiter.
    QString separatorPattern() const;
    /// The file whose rows the table holds (the accepted file once OK was pressed).
    QString loadedFileName() const;

    /// Chooses @p path as a click on it in the explorer does (a file dropped on a block).
    void chooseFile(const QString &path);

public slots:
    void autoResizeTable();
    void switchMetresDegree();
    void setGeoCalc(GeoCalc *geoCalc);
    /// Shows the stored coordinate system, then runs the dialog through UserPrompts.
    int exec() override;
    /// Takes the file only when every numeric cell to be taken holds a number.
    void accept() override;

    void on_spn_x_valueChanged(int value);
    void on_spn_y_valueChanged(int value);
    void on_spn_z_valueChanged(int value);
    void on_spn_first_valueChanged(int value);
    void on_cmb_seporator_currentIndexChanged(int index);
    void on_treeView_clicked(const QModelIndex &index);
    void on_treeView_activated(const QModelIndex &index);
    void on_spn_date_valueChanged(int value);
    void on_btn_user_clicked();
    void on_btn_documents_clicked();
    void on_btn_images_clicked();
    void on_btn_downloads_clicked();
    void on_btn_desktop_clicked();
    void on_btn_filter_released();
    void on_btn_favorites_clicked();
    void onJoinCols();
    void onSetCol();
    void on_tableMeta_customContextMenuRequested(const QPoint &pos);
    void table_first_valueChanged(int section);
    void on_treeView_expanded(const QModelIndex &index);
    void resizeNameColumn();
    void on_radio_utm_clicked();
    void on_radio_wgs_clicked();
    void on_spn_sx_valueChanged(int value);
    void on_spn_sy_valueChanged(int value);
    void on_spn_sz_valueChanged(int value);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void restoreGeometries();
    void storeGeometries();
    void buildExplorer();
    void buildColumnMenu();
    void restoreRoles();
    void navigateTo(const QString &folder);
    void folderListed(const QString &folder);
    void revealScrollTarget();
    void openPath(const QString &path);
    void loadIntoTable();
    void showTable();
    void showRawText(const QString &text);
    /// The role controls, the first row and the delimiter act on a shown table only.
    void setTableControlsEnabled(bool enabled);
    void updateOkButton();
    void radioClicked();
    void startLabelDrag(QLabel *label);
    QSpinBox *roleSpinBox(int number) const;

    std::unique_ptr<Ui::OpenTimeMarkDialog> m_ui;
    QSettings m_settings;
    GeoCalc *m_geoCalc;
    OpentTimeMarkTableModel *m_model;
    TimemarkFile *m_file;
    QFileSystemModel *m_files;
    QStringList m_nameFilters;
    QStringList m_labelNames;
    QMenu *m_columnMenu = nullptr;
    QAction *m_joinAction = nullptr;
    QTimer *m_nameColumnTimer;
    QTimer *m_tableTimer;
    QTimer *m_revealTimer;
    int m_acceptedCoordinateType = 0;
    bool m_coordinateLocked = false;
    /// Navigated to but maybe not listed yet: shown again when its folders' listings arrive.
    QString m_scrollTarget;
    bool m_scrollTargetListed = false;
    bool m_detecting = false;
    bool m_inModalLoop = false;
};
