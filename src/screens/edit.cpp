#include "screens/edit.h"

#include <string>

#include "app/game.h"
#include "screens/help_panel.h"
#include "screens/select.h"
#include "screens/story.h"
#include "view/portrait.h"

namespace screens {

EditScreen::EditScreen(app::Game& game)
    : app::Screen(game, "Form4"),
      Panel4(add<ui::Panel>("Panel4", nullptr, 224, 8, 193, 25)),
      Pnl_chr_0(add<ui::Panel>("Pnl_chr_0", nullptr, 216, 40, 209, 369)),
      Img_chr_0(add<ui::Picture>("Img_chr_0", &Pnl_chr_0, 40, 8, 129, 177)),
      Lbl_name_0(add<ui::Label>("Lbl_name_0", &Pnl_chr_0, 40, 192, 129, 12)),
      Label1(add<ui::Label>("Label1", &Pnl_chr_0, 8, 216, 0, 0)),
      Spe_nap(add<ui::SpinEdit>("Spe_nap", &Pnl_chr_0, 24, 216, 41, 21, 0, 10)),
      Label2(add<ui::Label>("Label2", &Pnl_chr_0, 72, 216, 0, 0)),
      Spe_lap(add<ui::SpinEdit>("Spe_lap", &Pnl_chr_0, 88, 216, 41, 21, 0, 10)),
      Label3(add<ui::Label>("Label3", &Pnl_chr_0, 136, 216, 0, 0)),
      Spe_spd(add<ui::SpinEdit>("Spe_spd", &Pnl_chr_0, 152, 216, 41, 21, 0, 10)),
      Label7(add<ui::Label>("Label7", &Pnl_chr_0, 8, 248, 0, 0)),
      Spe_agl(add<ui::SpinEdit>("Spe_agl", &Pnl_chr_0, 24, 248, 41, 21, 0, 10)),
      Label4(add<ui::Label>("Label4", &Pnl_chr_0, 72, 248, 0, 0)),
      Spe_dfs(add<ui::SpinEdit>("Spe_dfs", &Pnl_chr_0, 88, 248, 41, 21, 0, 10)),
      Label11(add<ui::Label>("Label11", &Pnl_chr_0, 136, 248, 0, 0)),
      Spe_hp(add<ui::SpinEdit>("Spe_hp", &Pnl_chr_0, 152, 248, 41, 21, 0, 10)),
      Label5(add<ui::Label>("Label5", &Pnl_chr_0, 72, 280, 0, 0)),
      Lbl_pnt(add<ui::Label>("Lbl_pnt", &Pnl_chr_0, 104, 280, 0, 0)),
      Btn_reset(add<ui::Button>("Btn_reset", &Pnl_chr_0, 32, 304, 75, 25)),
      Btn_enter(add<ui::Button>("Btn_enter", &Pnl_chr_0, 104, 304, 75, 25)),
      Btn_return(add<ui::Button>("Btn_return", &Pnl_chr_0, 64, 336, 75, 25)),
      Panel3(add<ui::Panel>("Panel3", nullptr, 480, 312, 153, 161)),
      Img_ura_chr(add<ui::Picture>("Img_ura_chr", nullptr, 200, 32, 129, 177)),
      Iml_chr(add_image_list("Iml_chr", 128, 176)),
      spin_edits_{&Spe_nap, &Spe_lap, &Spe_spd, &Spe_agl, &Spe_dfs, &Spe_hp} {
    Iml_chr.add(game.pictures().chr[6]);
    Iml_chr.add(game.pictures().chr[7]);
    Img_ura_chr.hide();
    // The first look is there from the start.
    view::draw_portrait(Iml_chr, 0, Img_ura_chr, Img_chr_0);

    Panel4.set_caption("EDIT MODE");
    Lbl_name_0.set_caption("RING");
    Lbl_name_0.centred = true;
    Label1.set_caption("IN:");
    Label2.set_caption("OT:");
    Label3.set_caption("FW:");
    Label7.set_caption("AG:");
    Label4.set_caption("DF:");
    Label11.set_caption("HP:");
    Label5.set_caption("Point:");
    Lbl_pnt.set_caption("100");
    Btn_reset.set_caption("RESET");
    Btn_enter.set_caption("ENTER");
    Btn_return.set_caption("RETURN");

    for (int i = 0; i < 6; ++i) {
        ui::SpinEdit& e = *spin_edits_[static_cast<std::size_t>(i)];
        e.tag = i;
        // Spe_napChange to Spe_hpChange, all alike.
        e.on_change = [this, &e] { stat_changed(e.tag); };
    }
    Img_chr_0.on_click = [this] { Img_chr_0Click(); };
    Btn_reset.on_click = [this] { Btn_resetClick(); };
    Btn_enter.on_click = [this] { Btn_enterClick(); };
    Btn_return.on_click = [this] { Btn_returnClick(); };
    set_tab_order({&Spe_nap, &Spe_lap, &Spe_spd, &Spe_agl, &Spe_dfs, &Spe_hp, &Btn_enter,
                   &Btn_reset, &Btn_return});

    build_help_panel(*this, Panel3, false);

    close_title_on_close();
    field("own_sts", own_sts, 6);
    field("own_look", &own_look);
    field("pnt", &pnt);
}

void EditScreen::edit_reset() {
    for (std::int32_t& s : own_sts) s = 5;
    pnt = 10;
    own_look = 0;
    Lbl_name_0.set_caption("RING");
    view::draw_portrait(Iml_chr, 0, Img_ura_chr, Img_chr_0);
    edit_refresh();
}

void EditScreen::edit_refresh() {
    // Setting an edit raises its change event, which must not move the points.
    const std::int32_t kept = pnt;
    for (int i = 0; i < 6; ++i) spin_edits_[static_cast<std::size_t>(i)]->set_value(own_sts[i]);
    pnt = kept;
    Lbl_pnt.set_caption(std::to_string(pnt));
}

void EditScreen::stat_changed(int i) {
    ui::SpinEdit& e = *spin_edits_[static_cast<std::size_t>(i)];
    const int v = e.value();
    const std::int32_t old = own_sts[i];
    if (v > old) {
        if (pnt > 0) {
            own_sts[i] = v;
            pnt = pnt - 1;
        } else {
            // No points left: the edit springs back; its change event finds nothing to do.
            e.set_value(old);
            pnt = 0;
        }
    } else if (v < old) {
        own_sts[i] = v;
        pnt = pnt + 1;
    }
    edit_refresh();
}

void EditScreen::Img_chr_0Click() {
    Lbl_name_0.set_caption("KOU");
    own_look = 1;
    view::draw_portrait(Iml_chr, 1, Img_ura_chr, Img_chr_0);
}

void EditScreen::Btn_resetClick() {
    edit_reset();
}

void EditScreen::Btn_enterClick() {
    // Unspent points are dropped.
    game().story().step = 0;
    game().switch_screen(*this, game().story());
}

void EditScreen::Btn_returnClick() {
    game().switch_screen(*this, game().title());
}

}  // namespace screens
