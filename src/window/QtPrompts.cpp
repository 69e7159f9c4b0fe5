#include "window/QtPrompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace tw {
namespace {

std::optional<QString> askPatchPath(QWidget* parent, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent);
    dialog.setObjectName(mode == QFileDialog::AcceptSave ? "SaveDialog1" : "OpenDialog1");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(mode);
    // The open dialog does not insist that the file exist; the import reports a missing one.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix("pat");
    dialog.setNameFilter(PatchFileFilter);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

QtPrompts::QtPrompts() : lastFont_(designFont()) {}

QFont QtPrompts::designFont()
{
    QFont font(QString::fromUtf8("ＭＳ Ｐゴシック"));
    font.setPointSize(9);
    return font;
}

void QtPrompts::showMessage(QWidget* parent, const QString& text, const QString& caption, const QString& detail)
{
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent);
    if (!detail.isEmpty())
        box.setDetailedText(detail);
    box.exec();
}

Answer QtPrompts::askYesNoCancel(QWidget* parent, const QString& text, const QString& caption)
{
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                    parent);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

void QtPrompts::showError(QWidget* parent, const QString& message)
{
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), message, QMessageBox::Ok, parent);
    box.exec();
}

std::optional<QString> QtPrompts::askText(QWidget* parent, const QString& caption, const QString& prompt,
                                          const QString& start)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(start);
    if (auto* field = dialog.findChild<QLineEdit*>()) {
        field->setMaxLength(PromptMaxLength);
        field->selectAll();
    }
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

std::optional<QString> QtPrompts::askSavePatchPath(QWidget* parent)
{
    return askPatchPath(parent, QFileDialog::AcceptSave);
}

std::optional<QString> QtPrompts::askOpenPatchPath(QWidget* parent)
{
    return askPatchPath(parent, QFileDialog::AcceptOpen);
}

std::optional<QFont> QtPrompts::askFont(QWidget* parent)
{
    QFontDialog dialog(lastFont_, parent);
    dialog.setObjectName("FontDialog1");
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    lastFont_ = dialog.selectedFont();
    return lastFont_;
}

} // namespace tw
