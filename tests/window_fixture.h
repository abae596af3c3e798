#pragma once

#include "counting_sound.h"
#include "window/image_control.h"
#include "window/tfrma.h"

#include <QMimeData>
#include <memory>

// A main window with a silent sound that counts its plays.
struct WindowFixture {
    static constexpr std::uint32_t Seed = 20261206;

    CountingSound sound;
    window::TFrmA frm{sound, Seed};

    // What a drag of hand image k carries.
    static std::unique_ptr<QMimeData> DragOf(const QString& name)
    {
        auto data = std::make_unique<QMimeData>();
        data->setData(window::ImageControl::DragFormat, name.toUtf8());
        return data;
    }

    bool DragOver(int slot, int cell)
    {
        const auto data = DragOf(frm.Gamer(slot)->objectName());
        return frm.Image1DragOver(frm.Image(cell), frm.Gamer(slot), *data);
    }

    void Drop(int slot, int cell)
    {
        const auto data = DragOf(frm.Gamer(slot)->objectName());
        frm.Image1DragDrop(frm.Image(cell), frm.Gamer(slot), *data);
    }

    // Runs the computers' ticks until the human is to move or the game is over, and forgets
    // the sounds they made.
    void RunComputers()
    {
        while (frm.Timer1.isActive())
            frm.Timer1Timer();
        sound.plays = 0;
    }
};
