#include "vcl/InteractiveDialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

#include "vcl/Form.h"

namespace vcl {
namespace {

QMessageBox::Icon IconOf(TMsgIcon icon)
{
    switch (icon) {
    case TMsgIcon::Information: return QMessageBox::Information;
    case TMsgIcon::Warning: return QMessageBox::Warning;
    case TMsgIcon::Error: return QMessageBox::Critical;
    case TMsgIcon::Question: return QMessageBox::Question;
    case TMsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

// "Text (*.txt)|*.txt|All (*.*)|*.*" -> "Text (*.txt);;All (*.*)"
QString QtFilterOf(const std::string& filter)
{
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList names;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        names << parts[i] + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
    return names.join(";;");
}

} // namespace

int InteractiveDialogs::MessageBox(const MessageBoxRequest& request)
{
    QMessageBox box(IconOf(request.icon), QString::fromStdString(request.title), QString::fromStdString(request.text));
    switch (request.buttons) {
    case TMsgButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case TMsgButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case TMsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok: return mrOk;
    case QMessageBox::Yes: return mrYes;
    case QMessageBox::No: return mrNo;
    default: return mrCancel;
    }
}

std::optional<std::string> InteractiveDialogs::FileDialog(const FileDialogRequest& request)
{
    const QString title = QString::fromStdString(request.title);
    const QString start = QString::fromStdString(request.initialDir.empty() ? request.fileName
                                                                            : request.initialDir + "/" + request.fileName);
    const QString chosen = request.save ? QFileDialog::getSaveFileName(nullptr, title, start, QtFilterOf(request.filter))
                                        : QFileDialog::getOpenFileName(nullptr, title, start, QtFilterOf(request.filter));
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen.toStdString();
}

int InteractiveDialogs::ShowModal(TForm& form) { return form.RunModalLoop(); }

} // namespace vcl
