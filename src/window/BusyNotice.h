#pragma once

#include <QString>
#include <QWidget>

class QLabel;

namespace tw {

// The small window shown while a file is read or written. The work runs on the GUI thread, so
// the notice is painted once, before the work starts, and closed when the object goes away.
class BusyNotice : public QWidget {
public:
    BusyNotice(const QString& caption, const QString& text);
    ~BusyNotice() override;

    static constexpr int Width = 250;
    static constexpr int Height = 100;

private:
    QLabel* label_;
};

} // namespace tw
