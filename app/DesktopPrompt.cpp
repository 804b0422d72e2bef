#include "app/DesktopPrompt.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon BoxIcon(PromptIcon icon) {
    switch (icon) {
    case PromptIcon::Stop:
        return QMessageBox::Critical;
    case PromptIcon::Exclamation:
        return QMessageBox::Warning;
    case PromptIcon::Question:
        return QMessageBox::Question;
    case PromptIcon::Information:
        return QMessageBox::Information;
    case PromptIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons BoxButtons(PromptButtons buttons) {
    switch (buttons) {
    case PromptButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case PromptButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case PromptButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case PromptButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

// "Radio Files (*.rdf)" and "All files (*.*)": on Linux "*.*" would hide files without a dot.
QString FilterText(const QStringList& filters) {
    QStringList out;
    for (QString f : filters)
        out << f.replace(QLatin1String("(*.*)"), QLatin1String("(*)"));
    return out.join(QLatin1String(";;"));
}

QString StartPath(const FileDialogRequest& request) {
    const QString name = request.fileName.contains(QLatin1Char('*')) ? QString() : request.fileName;
    if (request.directory.isEmpty())
        return name;
    return name.isEmpty() ? request.directory : QDir(request.directory).filePath(name);
}

} // namespace

PromptAnswer DesktopPrompt::Message(const QString& text, const QString& caption,
                                    PromptButtons buttons, PromptIcon icon) {
    return Show(text, QString(), caption, buttons, icon);
}

PromptAnswer DesktopPrompt::Details(const QString& text, const QString& details,
                                    const QString& caption, PromptButtons buttons,
                                    PromptIcon icon) {
    return Show(text, details, caption, buttons, icon);
}

// The details sit in the box's own scrollable area, behind its Show Details button.
PromptAnswer DesktopPrompt::Show(const QString& text, const QString& details,
                                 const QString& caption, PromptButtons buttons, PromptIcon icon) {
    QMessageBox box(BoxIcon(icon), caption.isEmpty() ? QString::fromLatin1(kAppName) : caption,
                    text, BoxButtons(buttons), owner_);
    box.setAccessibleName(box.windowTitle());
    box.setAccessibleDescription(text);
    box.setDetailedText(details);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return PromptAnswer::Yes;
    case QMessageBox::No:
        return PromptAnswer::No;
    case QMessageBox::Ok:
        return PromptAnswer::Ok;
    default:
        // Escape and the close box: Cancel where there is one, otherwise the only answer.
        if (buttons == PromptButtons::Ok)
            return PromptAnswer::Ok;
        if (buttons == PromptButtons::YesNo)
            return PromptAnswer::No;
        return PromptAnswer::Cancel;
    }
}

PromptAnswer DesktopPrompt::Confirm(const QString& text, const QString& caption,
                                    const QString& action, PromptIcon icon) {
    QMessageBox box(BoxIcon(icon), caption.isEmpty() ? QString::fromLatin1(kAppName) : caption,
                    text, QMessageBox::Cancel, owner_);
    box.setAccessibleName(box.windowTitle());
    box.setAccessibleDescription(text);
    QPushButton* go = box.addButton(action, QMessageBox::AcceptRole);
    box.setDefaultButton(go);
    box.exec();
    return box.clickedButton() == go ? PromptAnswer::Ok : PromptAnswer::Cancel;
}

QString DesktopPrompt::OpenFileName(const FileDialogRequest& request) {
    return QFileDialog::getOpenFileName(owner_, request.title, StartPath(request),
                                        FilterText(request.filters));
}

QString DesktopPrompt::SaveFileName(const FileDialogRequest& request) {
    QFileDialog dialog(owner_, request.title, StartPath(request), FilterText(request.filters));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}
