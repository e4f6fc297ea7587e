#include "app/aboutwindow.h"

#include "app/appinfo.h"
#include "app/libraryversions.h"
#include "app/sharedconstants.h"
#include "ui_aboutwindow.h"

#include <QPainter>
#include <qcustomplot.h>

namespace {

QString bullet(const QString &text)
{
    return QStringLiteral("<span style=\"font-family:'Symbol'\">&#183;</span> ") +
           text.toHtmlEscaped() + QStringLiteral("<br>");
}

QString notice(const QString &name, const QString &copyright, const QString &licence)
{
    // Short enough not to wrap in the dialog's width, in every interface font.
    const QString rule(40, QLatin1Char('='));
    return rule + QLatin1Char('\n') + name + QLatin1Char('\n') + copyright + QLatin1Char('\n') +
           AboutWindow::tr("License: %1").arg(licence) + QStringLiteral("\n\n");
}

} // namespace

AboutWindow::AboutWindow(QWidget *parent) : QDialog(parent), m_ui(new Ui::AboutWindow)
{
    m_ui->setupUi(this);
    setStyleSheet(styleSheet() + QLatin1Char(' ') + toolTipStyleSheet);
    m_ui->lbl_version->setText(tr("version %1").arg(AppInfo::version()));
    const QString site = QStringLiteral("https://%1/news").arg(AppInfo::organizationDomain());
    m_ui->lbl_about->setText(
        QStringLiteral("<html><body><p>") +
        tr("Kestrix is a program designed to: ").toHtmlEscaped() + QStringLiteral("<br>") +
        bullet(tr("calculate the antenna displacement due to the tilt of the UAV during the "
                  "flight; ")) +
        bullet(tr("assign unique names to each photo files; ")) +
        bullet(tr("geotag photos with coordinates from csv or txt files; ")) +
        bullet(tr("verify that the number of photos corresponds to the number of time marks;")) +
        bullet(tr("allows you to filter photos to remove unnecessary. ")) +
        QStringLiteral("</p><p>") +
        tr("Kestrix was designed for the GNSS receiver of Orvanta's own survey UAV, but it "
           "processes the data of other UAVs just as well once the offset between their GNSS "
           "antenna and the centre of their camera is entered in the settings.")
            .toHtmlEscaped() +
        QStringLiteral("</p><p>") +
        tr("Follow the news of Orvanta: %1")
            .arg(QStringLiteral("<a href=\"%1\">%1</a>").arg(site)) +
        QStringLiteral("</p></body></html>"));
    m_ui->textEdit->setPlainText(licenceNotices());
    paintTagline();
}

void AboutWindow::paintTagline()
{
    // Painted over the picture, not drawn into it, so that it speaks the user's language. The
    // picture is drawn 300 units wide; the tagline sits centred under the name, at 14 units.
    QPixmap wall = m_ui->label->pixmap(Qt::ReturnByValue);
    const qreal unit = wall.width() / 300.0;
    QPainter painter(&wall);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("Open Sans"));
    font.setPixelSize(qRound(14 * unit));
    painter.setFont(font);
    painter.setPen(QColor(0xbf, 0xe9, 0xd6));
    painter.drawText(QRectF(0, 74 * unit, wall.width(), 24 * unit), Qt::AlignCenter,
                     tr("UAV photos, geotagged"));
    painter.end();
    m_ui->label->setPixmap(wall);
}

AboutWindow::~AboutWindow() = default;

QString AboutWindow::licenceNotices()
{
    QString text = tr("THIRD PARTY LICENSE") + QStringLiteral("\n\n");
    text +=
        notice(tr("Qt %1 (Core, Gui, Widgets, Svg, PrintSupport)").arg(QLatin1String(qVersion())),
               tr("Copyright (C) The Qt Company Ltd. and other contributors."),
               tr("GNU Lesser General Public License, version 3 (LGPL-3.0-only)"));
    text += notice(tr("Exiv2 %1").arg(LibraryVersions::exiv2()),
                   tr("Copyright (C) 2004-2021 Exiv2 authors."),
                   tr("GNU General Public License, version 2 or later (GPL-2.0-or-later)"));
    text += notice(tr("PROJ %1").arg(LibraryVersions::proj()),
                   tr("Copyright (C) 2000 Frank Warmerdam and the PROJ contributors. Its database "
                      "includes the EPSG Geodetic Parameter Dataset, (C) IOGP, used under its "
                      "terms of use."),
                   tr("MIT License"));
    text += notice(tr("QCustomPlot %1").arg(QLatin1String(QCUSTOMPLOT_VERSION_STR)),
                   tr("Copyright (C) 2011-2021 Emanuel Eichhammer."),
                   tr("GNU General Public License, version 3 or later (GPL-3.0-or-later)"));
    text += notice(tr("Font Awesome 4.7 (the icon font)"),
                   tr("Created by Dave Gandy, https://fontawesome.com."),
                   tr("SIL Open Font License, version 1.1 (OFL-1.1)"));
    text += notice(tr("Open Sans (the interface font)"),
                   tr("Digitized data copyright 2010-2011, Google Corporation."),
                   tr("Apache License, version 2.0 (Apache-2.0)"));
    text += tr("The full texts of these licenses come with the libraries and fonts; on Debian "
               "they are in /usr/share/common-licenses and in the copyright file of each "
               "package under /usr/share/doc.");
    return text;
}
