#include "window/BusyNotice.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>

namespace tw {

BusyNotice::BusyNotice(const QString& caption, const QString& text)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName("BusyNotice");
    setWindowTitle(caption);
    setFixedSize(Width, Height);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    label_ = new QLabel(text, this);
    label_->setAlignment(Qt::AlignCenter);
    label_->setGeometry(rect());
    label_->show();
    // Let the window system map the notice, then paint it at once: nothing else runs until the work ends.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    label_->repaint();
}

BusyNotice::~BusyNotice()
{
    delete label_;
}

} // namespace tw
