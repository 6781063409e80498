#include "AboutBox.h"

#include "BuildIdentity.h"

#include <QMessageBox>
#include <QWidget>

namespace AboutBox {

QString Text()
{
    const QString notice =
        QObject::tr("Copyright © %1 Quorvane Inc. All rights reserved. This program is protected by copyright law "
                    "and international treaties. Unauthorized reproduction or distribution of this program, or any "
                    "portion of it, may result in severe civil and criminal penalties.")
            .arg(BuildIdentity::CopyrightYear());
    QString text = QStringLiteral("<H3>%1&nbsp;%2&nbsp;%3</H3><p>%4")
                       .arg(QObject::tr("Quorvane Ardentix"), 0, QLatin1Char(' '))
                       .arg(QObject::tr("Version"), 0, QLatin1Char(' '))
                       .arg(BuildIdentity::Version(), 0, QLatin1Char(' '))
                       .arg(notice, 0, QLatin1Char(' '));
    // Which key this build trusts, so that it can be checked against the
    // recording servers' own: two lines of 32 digits.
    QString fingerprint = QString::fromLatin1(BuildIdentity::KeyFingerprint());
    fingerprint.insert(32, QStringLiteral("<br>"));
    text += QStringLiteral("<p>%1:<br><tt>%2</tt>")
                .arg(QObject::tr("Public key fingerprint (SHA-256)").toHtmlEscaped(), fingerprint);
    if (BuildIdentity::IsDevelopmentKey())
        text += QStringLiteral("<p><b>%1</b>").arg(BuildIdentity::DevelopmentNotice().toHtmlEscaped());
    return text;
}

void Show(QWidget* parent)
{
    const QString body = Text();
    parent->setStyleSheet(QStringLiteral("QMessageBox {font-size:10pt}"));
    QMessageBox::about(parent, QObject::tr("About Quorvane Ardentix"), body);
}

} // namespace AboutBox
