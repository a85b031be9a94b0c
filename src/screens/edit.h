#pragma once

#include <array>
#include <cstdint>

#include "app/screen.h"
#include "ui/control.h"

namespace screens {

// The edit screen: the own boxer of story mode, six statistics from one point budget and a look.
class EditScreen final : public app::Screen {
public:
    explicit EditScreen(app::Game& game);
    void entry() override { edit_reset(); }

    void edit_reset();
    void edit_refresh();
    // The point budget: one point for any increase, one back for any decrease.
    void stat_changed(int i);

    // In the order nap, lap, spd, agl, gad, hp: the Tags of the spin edits.
    std::int32_t own_sts[6] = {};
    std::int32_t own_look = 0;  // 0 "RING", 1 "KOU"
    std::int32_t pnt = 0;

    // Controls, in creation order (later ones lie on top).
    ui::Panel& Panel4;
    ui::Panel& Pnl_chr_0;
    ui::Picture& Img_chr_0;
    ui::Label& Lbl_name_0;
    ui::Label& Label1;
    ui::SpinEdit& Spe_nap;
    ui::Label& Label2;
    ui::SpinEdit& Spe_lap;
    ui::Label& Label3;
    ui::SpinEdit& Spe_spd;
    ui::Label& Label7;
    ui::SpinEdit& Spe_agl;
    ui::Label& Label4;
    ui::SpinEdit& Spe_dfs;
    ui::Label& Label11;
    ui::SpinEdit& Spe_hp;
    ui::Label& Label5;
    ui::Label& Lbl_pnt;
    ui::Button& Btn_reset;
    ui::Button& Btn_enter;
    ui::Button& Btn_return;
    ui::Panel& Panel3;
    ui::Picture& Img_ura_chr;

    ui::ImageList& Iml_chr;

private:
    // The six spin edits in Tag order.
    std::array<ui::SpinEdit*, 6> spin_edits_{};
    void Img_chr_0Click();
    void Btn_resetClick();
    void Btn_enterClick();
    void Btn_returnClick();
};

}  // namespace screens
