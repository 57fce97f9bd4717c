#pragma once

#include <QDialog>
#include <QString>

#include <functional>

class Dialogs;
class PresetTable;
class QComboBox;
class Settings;

// "Assign Preset": stores the station the scanner plays in one of the ten presets. The dialog
// stays open after each assignment, its list showing the new name and the next free preset.
// It is modal to the scan window and shown with open(), so nothing waits for it.
class ScanPresetDialog : public QDialog
{
    Q_OBJECT

public:
    // assigned is called with the preset's index after each assignment.
    ScanPresetDialog(PresetTable& presets, Settings& settings, Dialogs& dialogs, QString name, QString link,
                     std::function<void(int)> assigned, QWidget* parent = nullptr);

    // The list entry for preset index: its number, " ] " and "Unassigned" or the preset's name.
    static QString entryText(const PresetTable& presets, int index);

    void fillPresetList();
    // cmdSet: the preset of the shown entry.
    void assignShown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PresetTable& m_presets;
    Settings& m_settings;
    Dialogs& m_dialogs;
    QString m_name;
    QString m_link;
    std::function<void(int)> m_assigned;
    QComboBox* m_list;
};
