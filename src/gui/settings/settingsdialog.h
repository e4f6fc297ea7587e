#pragma once

#include <QDialog>
#include <QMessageBox>
#include <QModelIndex>
#include <QSettings>
#include <QStringList>
#include <QVector>

#include <functional>
#include <memory>

class OutputLabelModel;
class Pixmap;
class QAbstractButton;
class QGraphicsScene;
class QGraphicsSimpleTextItem;

namespace Ui {
class SettingsDialog;
}

/**
 * The modal dialog in which the user edits the stored preferences. It writes only on OK,
 * Apply or Reset, tracks unsaved edits and asks before they are dropped, and tells its owner
 * when the coordinate system or the output directory changed.
 */
class SettingsDialog : public QDialog
{
    Q_OBJECT

public:
    /// Asks the user with a modal box and returns the button chosen.
    using AskFunction = std::function<QMessageBox::StandardButton(
        QWidget *parent, const QString &title, const QString &text,
        QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)>;

    /**
     * @p projErrorText is the coordinate converter's initialisation error, empty when it
     * initialised; with an error the degree system is unavailable. @p translationsDirectory
     * holds translations.conf and the catalogues (empty: where the program keeps them).
     */
    explicit SettingsDialog(const QString &projErrorText, QWidget *parent = nullptr,
                            const QString &translationsDirectory = QString());
    ~SettingsDialog() override;

    /// Replaces the message boxes (close question, reset question, restart notice).
    void setAskFunction(AskFunction ask);
    /// Unsaved edits exist.
    bool isChanged() const { return m_changed; }

signals:
    void languageChanged();
    void coordinateSystemChanged();
    void outputDirChanged();
    void autoResizeChanged();

public slots:
    /// The converter failed: only the metric system remains, and it is stored at once.
    void projError(const QString &text);
    /// With more than one block the coordinate system must not change.
    void blockSystem();
    void unblockSystem();
    void save_settings();
    /// Writes every default, then shows what is stored.
    void reset_settings();

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void on_buttonBox_clicked(QAbstractButton *button);
    void on_chkb_saveOutputDir_stateChanged(int arg1);
    void on_chkb_autoDir_stateChanged(int arg1);
    void on_chkb_openDir_stateChanged(int arg1);
    void on_line_outputDir_textChanged(const QString &text);
    void on_chkb_clearFlys_stateChanged(int arg1);
    void on_combo_outSeporator_currentIndexChanged(int index);
    void on_spin_x_valueChanged(int value);
    void on_spin_y_valueChanged(int value);
    void on_spin_z_valueChanged(int value);
    void on_spin_first_valueChanged(int value);
    void on_combo_sep_currentIndexChanged(int index);
    void on_combo_logging_currentIndexChanged(int index);
    void on_spin_offsetX_valueChanged(int value);
    void on_spin_offsetY_valueChanged(int value);
    void on_spin_offsetZ_valueChanged(int value);
    void on_combo_language_currentIndexChanged(int index);
    void on_combo_addTimes_currentIndexChanged(int index);
    void outputLabelsChange(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                            const QVector<int> &roles = QVector<int>());
    void on_cmb_numberFormat_currentIndexChanged(int index);
    void on_chkb_useDesktopOpenGL_clicked();
    void on_chkb_hiDpiScale_clicked();
    void on_radio_utm_clicked();
    void on_radio_wgs_clicked();
    void onAnyChange();
    void on_btn_resetDefColumns_clicked();
    void on_spn_minutsSlice_valueChanged(int value);
    void on_chkb_splitFolders_clicked();
    void on_chkb_pix4d_clicked();

private:
    void fillLanguages();
    void buildDrawing();
    void loadControls();
    void updateColumnLabels();
    void retranslateExtras();
    void applyLanguage();
    QMessageBox::StandardButton ask(const QString &title, const QString &text,
                                    QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton);
    void markChanged();

    std::unique_ptr<Ui::SettingsDialog> m_ui;
    QSettings m_settings;
    QString m_translationsDirectory;
    bool m_changed = false;
    bool m_projFailed = false;
    QStringList m_languageCodes;
    /// The language the program runs in (combo index when the dialog opened).
    int m_languageIndex = 0;
    /// The language stored by the last save, so the restart notice comes once per change.
    int m_savedLanguageIndex = 0;
    OutputLabelModel *m_labelModel = nullptr;
    QGraphicsScene *m_scene = nullptr;
    Pixmap *m_antennaTop = nullptr;
    Pixmap *m_antennaFront = nullptr;
    QVector<QGraphicsSimpleTextItem *> m_captions;
    AskFunction m_ask;
};
