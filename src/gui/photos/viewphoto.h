#pragma once

#include <QDialog>
#include <QImage>

#include <memory>

class QStandardItemModel;
class QTimer;

namespace Ui {
class ViewPhoto;
}

/**
 * A window showing one photo scaled to its size beside the table of the photo's file
 * properties and tags. The main window keeps one and loads each requested photo into it.
 *
 * The photo is decoded once, no larger than a screen can show; resizing scales that image
 * quickly at once and smoothly when the resizing has rested for 100 ms.
 */
class ViewPhoto : public QDialog
{
    Q_OBJECT

public:
    explicit ViewPhoto(QWidget *parent = nullptr);
    ~ViewPhoto() override;

    /// Loads the photo at @p entry (a path or a file URL) into the picture, title and table.
    void showPhoto(const QString &entry);

    /// The decoded photo; null when none is shown.
    const QImage &photo() const { return m_photo; }
    QStandardItemModel *tagModel() const { return m_tags; }

signals:
    /// The picture was drawn anew at the label's size, smoothly or quickly.
    void pictureScaled(bool smooth);

public slots:
    /// The resizing has rested: draws the picture again in good quality.
    void onTransferTimer();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void scalePicture(Qt::TransformationMode mode);
    void fillTags(const QString &entry);
    void releasePicture();

    std::unique_ptr<Ui::ViewPhoto> m_ui;
    QImage m_photo;
    QStandardItemModel *m_tags;
    QTimer *m_rescaleTimer;
};
