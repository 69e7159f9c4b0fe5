#include "window/FontSubstitutes.h"
#include "window/QtPrompts.h"
#include "window/Unit1.h"

#include <QApplication>
#include <exception>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName("Talkwarden");
    tw::installFontSubstitutes();
    tw::QtPrompts prompts;
    try {
        tw::TForm1 Form1(tw::WindowEnvironment::ofThisProcess(), prompts);
        Form1.show();
        QApplication::exec();
    } catch (const std::exception& failure) {
        prompts.showError(nullptr, QString::fromLocal8Bit(failure.what()));
    }
    return 0;
}
