#include "ui/DesktopServices.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>

namespace {
QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}
} // namespace

MessageAnswer DesktopDialogs::message(MessageIcon icon, const QString& title, const QString& text,
                                      MessageButtons buttons)
{
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::NoButton, QApplication::activeWindow());
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int answer = box.exec();
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

QDir::Filters DesktopDialogs::programFileFilter()
{
    return QDir::AllDirs | QDir::Files | QDir::Readable | QDir::Executable | QDir::NoDotAndDotDot;
}

std::unique_ptr<QFileDialog> DesktopDialogs::programFileDialog(QWidget* parent, const QString& folder,
                                                               const QString& filterName)
{
    // Programs on this desktop have no file-name ending; the dialog lists executable files. A
    // permission filter lists only what has all the permissions named, so Readable goes with
    // Executable or nothing at all is listed.
    auto dialog = std::make_unique<QFileDialog>(parent, QCoreApplication::translate("DesktopDialogs", "Open"),
                                                folder, filterName + QStringLiteral(" (*)"));
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setFilter(programFileFilter());
    return dialog;
}

std::optional<QString> DesktopDialogs::openProgramFile(const QString& folder, const QString& filterName)
{
    const auto dialog = programFileDialog(QApplication::activeWindow(), folder, filterName);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    return dialog->selectedFiles().constFirst();
}

std::unique_ptr<QFileDialog> DesktopDialogs::saveFileDialog(QWidget* parent, const QString& folder,
                                                            const QString& filter,
                                                            const QString& defaultSuffix)
{
    auto dialog = std::make_unique<QFileDialog>(
        parent, QCoreApplication::translate("DesktopDialogs", "Save As"), folder, filter);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setDefaultSuffix(defaultSuffix);
    return dialog;
}

std::optional<QString> DesktopDialogs::saveFile(const QString& folder, const QString& filter,
                                                const QString& defaultSuffix)
{
    const auto dialog = saveFileDialog(QApplication::activeWindow(), folder, filter, defaultSuffix);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    return dialog->selectedFiles().constFirst();
}

std::optional<QString> DesktopDialogs::openFile(const QString& folder, const QString& filter)
{
    QFileDialog dialog(QApplication::activeWindow(), QCoreApplication::translate("DesktopDialogs", "Open"),
                       folder, filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

bool DesktopUrlOpener::open(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

void DesktopClipboard::setText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

QString DesktopClipboard::text() const
{
    return QGuiApplication::clipboard()->text();
}

void DesktopBusyPointer::beginBusy()
{
    if (m_open++ == 0)
        QApplication::setOverrideCursor(Qt::BusyCursor);
}

void DesktopBusyPointer::endBusy()
{
    if (m_open > 0 && --m_open == 0)
        QApplication::restoreOverrideCursor();
}
