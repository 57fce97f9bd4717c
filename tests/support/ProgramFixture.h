#pragma once

#include "search/SearchRun.h"
#include "ui/MainWindow.h"
#include "ui/Program.h"
#include "ui/SplashWindow.h"

#include "Recorders.h"

#include <QApplication>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The program under test: its own settings file and data folder, recorders in place of the
// desktop, started with its splash passed.
struct ProgramFixture
{
    QTemporaryDir dir;
    TestServices services;
    NoDefaultApps apps;
    std::unique_ptr<Program> program;
    std::unique_ptr<QSignalSpy> finished;

    QString settingsPath() const { return dir.filePath(QStringLiteral("settings.ini")); }
    void writeSettings(const QList<std::pair<QString, QString>>& values) const
    {
        QSettings settings(settingsPath(), QSettings::IniFormat);
        for (const auto& [key, value] : values)
            settings.setValue(QStringLiteral("Settings/") + key, value);
    }
    QString stored(const QString& key) const
    {
        return QSettings(settingsPath(), QSettings::IniFormat)
            .value(QStringLiteral("Settings/") + key)
            .toString();
    }
    // Creates and starts the program, then ends the splash's countdown.
    void start(bool dataFolderWritable = true)
    {
        program = std::make_unique<Program>(
            Program::Context{settingsPath(), dir.path(), services.services(), apps, dataFolderWritable});
        finished = std::make_unique<QSignalSpy>(program.get(), &Program::finished);
        program->start();
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* splash = qobject_cast<SplashWindow*>(widget); splash && splash->isVisible())
                Q_EMIT splash->countdownFinished();
        }
    }
    // Runs one search for text and waits for its end.
    bool search(const QString& text, int timeoutMs = 15000)
    {
        QSignalSpy done(&program->search(), &SearchRun::searchFinished);
        program->window().setSearchText(text);
        program->search().startSearch();
        return !program->search().isSearching() || done.wait(timeoutMs);
    }
};
