#include "ui/PresetStrip.h"

#include <algorithm>

#include <QCoreApplication>
#include <QLabel>

#include "ui/Artwork.h"
#include "ui/PlainText.h"
#include "ui/PresetButton.h"

namespace {
QString emptyToolTip()
{
    return QCoreApplication::translate("PresetTable", PresetTable::kEmptyName.toUtf8().constData());
}
} // namespace

PresetStrip::PresetStrip(const PresetTable& presets, QWidget* parent) : QFrame(parent), m_presets(presets)
{
    setObjectName(QStringLiteral("frameSide"));
    m_caption = new QLabel(tr("Station Presets"), this);
    m_caption->setObjectName(QStringLiteral("LabelS"));
    for (int i = 0; i < PresetTable::kCount; ++i) {
        auto* button = new PresetButton(i, this);
        button->setText(QString::number(i + 1));
        button->setToolTip(emptyToolTip());
        button->setAccessibleName(tr("Preset %1, empty").arg(i + 1));
        button->setIcon(Artwork::presetListPicture(Artwork::PresetFace));
        button->setIconSize(Artwork::kPresetFaceSize);
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        button->setCursor(Artwork::pointerCursor(Artwork::PointerHand));
        connect(button, &PresetButton::pressed, this, &PresetStrip::pressed);
        connect(button, &PresetButton::clickedPreset, this, &PresetStrip::clicked);
        connect(button, &PresetButton::enterPressed, this, &PresetStrip::enterPressed);
        // A drop is answered with message boxes, which must not open inside the drag.
        connect(button, &PresetButton::stationDropped, this, &PresetStrip::stationDropped,
                Qt::QueuedConnection);
        connect(button, &PresetButton::hovered, this, [this](int index) {
            setPointer(index, Artwork::PointerHand);
            setStation(index, m_presets[index].Name);
        });
        m_buttons.at(std::size_t(i)) = button;
    }
}

void PresetStrip::light(int index)
{
    for (int i = 0; i < PresetTable::kCount; ++i) {
        const int face = i == index ? Artwork::PresetFaceLit : Artwork::PresetFace;
        button(i)->setIcon(Artwork::presetListPicture(face));
    }
}

void PresetStrip::setStation(int index, const QString& name)
{
    // Station names come from the network: shown as plain text, never as markup.
    // An empty preset's stored name is English; it shows translated.
    button(index)->setToolTip(m_presets.isEmpty(index) ? emptyToolTip() : plainToolTip(name));
    const QString number = QString::number(index + 1);
    button(index)->setAccessibleName(m_presets.isEmpty(index) ? tr("Preset %1, empty").arg(number)
                                                              : tr("Preset %1: %2").arg(number, name));
}

void PresetStrip::setPointer(int index, int picture)
{
    if (index >= 0 && index < PresetTable::kCount)
        button(index)->setCursor(Artwork::pointerCursor(picture));
}

int PresetStrip::layOut(const std::function<int(double)>& px)
{
    // A caption taller at the user's font moves the buttons down by what it gained.
    const int captionHeight = std::max(px(240), m_caption->sizeHint().height());
    m_caption->setGeometry(px(60), px(60), width(), captionHeight);
    const int shift = captionHeight - px(240);
    int bottom = 0;
    for (int i = 0; i < PresetTable::kCount; ++i) {
        const int column = i % 5;
        const int row = i / 5;
        button(i)->setGeometry(px(60 + column * 560), px(330 + row * 370) + shift, px(520), px(330));
        bottom = std::max(bottom, button(i)->geometry().bottom() + 1);
    }
    return bottom + px(60);
}
