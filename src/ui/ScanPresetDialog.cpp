#include "ui/ScanPresetDialog.h"

#include "collections/PresetTable.h"
#include "core/ProductInfo.h"
#include "platform/SystemServices.h"

#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

ScanPresetDialog::ScanPresetDialog(PresetTable& presets, Settings& settings, Dialogs& dialogs, QString name,
                                   QString link, std::function<void(int)> assigned, QWidget* parent)
    : QDialog(parent), m_presets(presets), m_settings(settings), m_dialogs(dialogs), m_name(std::move(name)),
      m_link(std::move(link)), m_assigned(std::move(assigned)), m_list(new QComboBox)
{
    setObjectName(QStringLiteral("frmScanPreset"));
    setWindowTitle(tr("Assign Preset"));
    setWindowModality(Qt::WindowModal);
    auto* label = new QLabel(tr("Select Preset to Assign Station"));
    label->setObjectName(QStringLiteral("Label1"));
    m_list->setObjectName(QStringLiteral("comboP"));
    m_list->installEventFilter(this);
    auto* set = new QPushButton(tr("&Set"));
    set->setObjectName(QStringLiteral("cmdSet"));
    set->setDefault(true);
    connect(set, &QPushButton::clicked, this, &ScanPresetDialog::assignShown);
    auto* cancel = new QPushButton(tr("&Cancel"));
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0, 1, 2);
    layout->addWidget(m_list, 1, 0, 1, 2);
    layout->addWidget(set, 2, 0);
    layout->addWidget(cancel, 2, 1);
    fillPresetList();
    setFixedSize(sizeHint());
}

QString ScanPresetDialog::entryText(const PresetTable& presets, int index)
{
    const QString name = presets.isEmpty(index) ? tr("Unassigned") : presets[index].Name;
    return QString::number(index + 1) + QStringLiteral(" ] ") + name;
}

void ScanPresetDialog::fillPresetList()
{
    m_list->clear();
    int shown = -1;
    for (int index = 0; index < PresetTable::kCount; ++index) {
        m_list->addItem(entryText(m_presets, index));
        if (shown < 0 && m_presets.isEmpty(index))
            shown = index;
    }
    m_list->setCurrentIndex(shown < 0 ? 0 : shown);
}

void ScanPresetDialog::assignShown()
{
    const int index = m_list->currentIndex();
    if (index < 0)
        return;
    const QString number = QString::number(index + 1);
    if (!m_presets.isEmpty(index) &&
        m_dialogs.message(MessageIcon::Question, kAppTitle,
                          tr("Station currently assigned to Preset %1, Reassign ?").arg(number),
                          MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    m_presets.assign(index, m_name, m_link, m_settings);
    if (m_assigned)
        m_assigned(index);
    m_dialogs.message(MessageIcon::None, kAppTitle,
                      tr("Preset %1 Assigned to %2").arg(number, m_presets[index].Name));
    fillPresetList();
}

bool ScanPresetDialog::eventFilter(QObject* watched, QEvent* event)
{
    // The list changes by picking an entry, with the mouse or the arrow keys; typing does not
    // search it.
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        return !text.isEmpty() && text.front().isPrint();
    }
    return QDialog::eventFilter(watched, event);
}
