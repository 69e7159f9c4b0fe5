#include "window/Unit1.h"

#include <QMenu>

namespace tw {

void TForm1::SetLang()
{
    IniFile file(fileSystemPath(state_.LanguageFile));
    const std::array<std::string, LanguageRowCount> values = readLanguageFile(file);
    for (std::size_t row = 0; row < LanguageRowCount; ++row)
        applyLanguageRow(LanguageRows[row], values[row]);
}

void TForm1::applyLanguageRow(const LanguageRow& row, const std::string& value)
{
    const QString name = QString::fromLatin1(row.target.data(), static_cast<qsizetype>(row.target.size()));
    switch (row.kind) {
    case LanguageTargetKind::WindowCaption:
        setWindowTitle(text(value));
        break;
    case LanguageTargetKind::WindowFont:
        if (!value.empty())
            setWindowFace(text(value));
        break;
    case LanguageTargetKind::ControlText:
        if (auto* label = findChild<QLabel*>(name)) {
            label->setText(text(value));
            label->adjustSize();
        }
        else if (auto* button = findChild<QAbstractButton*>(name))
            button->setText(text(value));
        break;
    case LanguageTargetKind::MenuTitle:
        if (auto* menu = findChild<QMenu*>(name))
            menu->setTitle(text(value));
        break;
    case LanguageTargetKind::CommandCaption:
        if (auto* command = findChild<QAction*>(name))
            command->setText(text(value));
        break;
    case LanguageTargetKind::CommandHint:
        if (auto* command = findChild<QAction*>(name)) {
            command->setToolTip(text(value));
            // Qt falls back to the caption for an empty tooltip; the tool bar needs to know it is empty.
            command->setProperty(EmptyHintProperty, value.empty());
        }
        break;
    case LanguageTargetKind::Message:
        if (auto key = MessageTexts::keyNamed(row.target))
            state_.MessageTexts.set(*key, value);
        break;
    }
}

void TForm1::LangEngExecute()
{
    switchLanguage(ui_.English1, ui_.Japanese1, 0, "english.ini");
}

void TForm1::LangJpExecute()
{
    switchLanguage(ui_.Japanese1, ui_.English1, 1, "japanese.ini");
}

void TForm1::switchLanguage(QAction* chosen, QAction* other, std::int32_t number, const char* fileName)
{
    if (chosen->isChecked())
        return;
    chosen->setChecked(true);
    other->setChecked(false);
    state_.LanguageNumber = number;
    state_.LanguageFile = codePage_.fromFileSystem(environment_.programFolder) + fileName;
    SetLang();
}

void TForm1::EditSettingExecute()
{
    const std::optional<QString> folder = prompts_.askText(this, message(MessageKey::SettingCaption),
                                                           message(MessageKey::SettingPrompt), text(state_.TlkFolder));
    if (folder)
        state_.TlkFolder = bytes(*folder);
}

void TForm1::EditFontExecute()
{
    const std::optional<QFont> chosen = prompts_.askFont(this);
    if (!chosen)
        return;
    setWindowFace(chosen->family());
    setTextBoxSize(chosen->pointSize());
}

void TForm1::setWindowFace(const QString& face)
{
    QFont windowFont = font();
    windowFont.setFamily(face);
    setFont(windowFont);
    fitLabels();
}

void TForm1::fitLabels()
{
    // Labels take the size of their text, whatever face stands in for the one asked for.
    for (QLabel* label : {ui_.Label1, ui_.Label2, ui_.Label3})
        label->adjustSize();
}

void TForm1::setTextBoxSize(int points)
{
    // The text box takes only its size from here; its face stays the window's.
    if (points <= 0)
        return;
    QFont size;
    size.setPointSize(points);
    size.setResolveMask(QFont::SizeResolved);
    ui_.Memo1->setFont(size);
}

} // namespace tw
