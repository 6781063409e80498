#include "DevelopmentNotice.h"

#include "BuildIdentity.h"

#include <QLabel>
#include <QVBoxLayout>

namespace DevelopmentNotice {

QWidget* Around(QWidget* content, QWidget* parent, QLabel** notice)
{
    *notice = nullptr;
    if (!BuildIdentity::IsDevelopmentKey())
        return content;
    // A build that anyone can sign for must never pass for a real one.
    QWidget* box = new QWidget(parent);
    QVBoxLayout* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    *notice = new QLabel(BuildIdentity::DevelopmentNotice(), box);
    (*notice)->setWordWrap(true);
    (*notice)->setObjectName(QStringLiteral("developmentKeyNotice"));
    (*notice)->setStyleSheet(
        QStringLiteral("QLabel {background: #fff3cd; color: #7a1f00; border-bottom: 1px solid #e0b000; "
                       "padding: 4px 8px; font-weight: bold;}"));
    layout->addWidget(*notice);
    layout->addWidget(content);
    return box;
}

} // namespace DevelopmentNotice
