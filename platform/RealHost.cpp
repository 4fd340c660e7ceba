// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RealHost.h"

#include "EventQueue.h"
#include "FileFilter.h"
#include "ModalDialog.h"
#include "Transcript.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QTimer>
#include <QUrl>

namespace tumbledown {

void RealHost::setWindow(QWidget* window, QWidget* clientArea) {
    window_ = window;
    clientArea_ = clientArea;
}

MessageAnswer RealHost::messageBox(const std::string& caption, const std::string& text,
                                   MessageButtons buttons) {
    // Without a window on screen the box has no owner, so it is centred on the
    // screen rather than on a window that is not there yet.
    QWidget* owner = window_ && window_->isVisible() ? window_ : nullptr;
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(caption),
                    QString::fromStdString(text), QMessageBox::NoButton, owner);
    // Once the box waits for the player: what a test driving a real run waits for.
    QTimer::singleShot(0, &box, [&caption] { transcript().write({"box-shown", caption}); });
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MessageAnswer::Ok;
}

bool RealHost::runDialog(ModalDialog& dialog) {
    centreIfOwnerHidden(dialog);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<std::string> RealHost::chooseFile(const std::string& filter) {
    const QString path =
        QFileDialog::getOpenFileName(window_, "Open", QDir::currentPath(), toQtFileFilter(filter));
    if (path.isEmpty())
        return std::nullopt;
    return path.toStdString();
}

void RealHost::setCursor(CursorShape shape) {
    if (clientArea_)
        clientArea_->setCursor(shape == CursorShape::Wait ? Qt::WaitCursor : Qt::ArrowCursor);
}

void RealHost::openDocument(const std::string& path) {
    const QString file = QFileInfo(QString::fromStdString(path)).absoluteFilePath();
    // xdg-open says whether a browser took the page; the desktop service would
    // not. With no parent the process is left running at exit: a browser that
    // it waits for is not closed with the game.
    auto* opener = new QProcess;
    const auto failed = [opener, file] {
        InputEvent event{EventType::DocumentFailed};
        event.path = file.toStdString();
        eventQueue().post(event);
        opener->deleteLater();
    };
    QObject::connect(opener, &QProcess::errorOccurred, opener,
                     [opener, failed](QProcess::ProcessError e) {
                         if (e == QProcess::FailedToStart)
                             failed();
                     });
    QObject::connect(opener, &QProcess::finished, opener,
                     [opener, failed](int code, QProcess::ExitStatus status) {
                         if (status != QProcess::NormalExit || code != 0)
                             failed();
                         else
                             opener->deleteLater();
                     });
    opener->start("xdg-open", {QUrl::fromLocalFile(file).toString()});
}

} // namespace tumbledown
