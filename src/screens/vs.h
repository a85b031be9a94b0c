#pragma once

#include <cstdint>
#include <string>

#include "app/screen.h"
#include "ui/control.h"

namespace screens {

// The VS selection screen: any two roster boxers, the player on the left and the CP on the right.
class VsScreen final : public app::Screen {
public:
    explicit VsScreen(app::Game& game);
    void entry() override { vs_reset(); }

    void vs_reset();
    void vs_pick();
    void vs_refresh();

    std::int32_t sel_side = 0;  // the side the roster buttons fill: 0 player, 1 CP
    std::int32_t pick[2] = {};
    std::int32_t picked[2] = {};
    // The chosen boxers, for display only: the bout reads its own copy of the roster.
    std::string name[2];
    std::int32_t ldt[2] = {}, hp[2] = {}, nap[2] = {}, lap[2] = {}, spd[2] = {}, gad[2] = {},
                 agl[2] = {};

    // Controls, in creation order (later ones lie on top).
    ui::Panel& Panel4;
    ui::Panel& Pnl_chr_0;
    ui::Picture& Img_chr_0;
    ui::Label& Lbl_name_0;
    ui::Label& Lbl_type_0;
    ui::Label& Label1;
    ui::Label& Lbl_nap_0;
    ui::Label& Label2;
    ui::Label& Lbl_lap_0;
    ui::Label& Label3;
    ui::Label& Lbl_spd_0;
    ui::Label& Label7;
    ui::Label& Lbl_agl_0;
    ui::Label& Label4;
    ui::Label& Lbl_gad_0;
    ui::Label& Label11;
    ui::Label& Lbl_hp_0;
    ui::Panel& Pnl_chr_1;
    ui::Picture& Img_chr_1;
    ui::Label& Lbl_name_1;
    ui::Label& Lbl_type_1;
    ui::Label& Label5;
    ui::Label& Lbl_nap_1;
    ui::Label& Label6;
    ui::Label& Lbl_lap_1;
    ui::Label& Label8;
    ui::Label& Lbl_spd_1;
    ui::Label& Label9;
    ui::Label& Lbl_agl_1;
    ui::Label& Label10;
    ui::Label& Lbl_gad_1;
    ui::Label& Label12;
    ui::Label& Lbl_hp_1;
    ui::Panel& Panel1;
    ui::Panel& Panel2;
    ui::Button& Button2;
    ui::Button& Button3;
    ui::Button& Button4;
    ui::Button& Button5;
    ui::Button& Button6;
    ui::Button& Button7;
    ui::SpeedButton& Spb_plr;
    ui::Button& Btn_enter;
    ui::SpeedButton& Spb_cp;
    ui::Button& Btn_return;
    ui::Panel& Panel3;
    ui::Picture& Img_ura_chr;
    ui::Memo& Mm_sts;

    ui::ImageList& Iml_chr;

private:
    void Spb_plrClick();
    void Spb_cpClick();
    // Button2Click to Button7Click, all alike: the button's Tag is the roster index.
    void roster_buttonClick(const ui::Button& sender);
    void Btn_enterClick();
    void Btn_returnClick();
};

}  // namespace screens
