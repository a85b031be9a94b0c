#include "screens/vs.h"

#include "app/game.h"
#include "app/roster.h"
#include "bout/bout_screen.h"
#include "screens/help_panel.h"
#include "screens/select.h"
#include "view/portrait.h"

namespace screens {

VsScreen::VsScreen(app::Game& game)
    : app::Screen(game, "Form2"),
      Panel4(add<ui::Panel>("Panel4", nullptr, 224, 8, 193, 25)),
      Pnl_chr_0(add<ui::Panel>("Pnl_chr_0", nullptr, 136, 40, 145, 265)),
      Img_chr_0(add<ui::Picture>("Img_chr_0", &Pnl_chr_0, 8, 8, 129, 177)),
      Lbl_name_0(add<ui::Label>("Lbl_name_0", &Pnl_chr_0, 8, 192, 129, 12)),
      Lbl_type_0(add<ui::Label>("Lbl_type_0", &Pnl_chr_0, 8, 216, 129, 12)),
      Label1(add<ui::Label>("Label1", &Pnl_chr_0, 8, 232, 0, 0)),
      Lbl_nap_0(add<ui::Label>("Lbl_nap_0", &Pnl_chr_0, 32, 232, 0, 0)),
      Label2(add<ui::Label>("Label2", &Pnl_chr_0, 56, 232, 0, 0)),
      Lbl_lap_0(add<ui::Label>("Lbl_lap_0", &Pnl_chr_0, 80, 232, 0, 0)),
      Label3(add<ui::Label>("Label3", &Pnl_chr_0, 104, 232, 0, 0)),
      Lbl_spd_0(add<ui::Label>("Lbl_spd_0", &Pnl_chr_0, 128, 232, 0, 0)),
      Label7(add<ui::Label>("Label7", &Pnl_chr_0, 8, 248, 0, 0)),
      Lbl_agl_0(add<ui::Label>("Lbl_agl_0", &Pnl_chr_0, 32, 248, 0, 0)),
      Label4(add<ui::Label>("Label4", &Pnl_chr_0, 56, 248, 0, 0)),
      Lbl_gad_0(add<ui::Label>("Lbl_gad_0", &Pnl_chr_0, 80, 248, 0, 0)),
      Label11(add<ui::Label>("Label11", &Pnl_chr_0, 104, 248, 0, 0)),
      Lbl_hp_0(add<ui::Label>("Lbl_hp_0", &Pnl_chr_0, 128, 248, 0, 0)),
      Pnl_chr_1(add<ui::Panel>("Pnl_chr_1", nullptr, 360, 40, 145, 265)),
      Img_chr_1(add<ui::Picture>("Img_chr_1", &Pnl_chr_1, 8, 8, 129, 177)),
      Lbl_name_1(add<ui::Label>("Lbl_name_1", &Pnl_chr_1, 8, 192, 129, 12)),
      Lbl_type_1(add<ui::Label>("Lbl_type_1", &Pnl_chr_1, 8, 216, 129, 12)),
      Label5(add<ui::Label>("Label5", &Pnl_chr_1, 8, 232, 0, 0)),
      Lbl_nap_1(add<ui::Label>("Lbl_nap_1", &Pnl_chr_1, 32, 232, 0, 0)),
      Label6(add<ui::Label>("Label6", &Pnl_chr_1, 56, 232, 0, 0)),
      Lbl_lap_1(add<ui::Label>("Lbl_lap_1", &Pnl_chr_1, 80, 232, 0, 0)),
      Label8(add<ui::Label>("Label8", &Pnl_chr_1, 104, 232, 0, 0)),
      Lbl_spd_1(add<ui::Label>("Lbl_spd_1", &Pnl_chr_1, 128, 232, 0, 0)),
      Label9(add<ui::Label>("Label9", &Pnl_chr_1, 8, 248, 0, 0)),
      Lbl_agl_1(add<ui::Label>("Lbl_agl_1", &Pnl_chr_1, 32, 248, 0, 0)),
      Label10(add<ui::Label>("Label10", &Pnl_chr_1, 56, 248, 0, 0)),
      Lbl_gad_1(add<ui::Label>("Lbl_gad_1", &Pnl_chr_1, 80, 248, 0, 0)),
      Label12(add<ui::Label>("Label12", &Pnl_chr_1, 104, 248, 0, 0)),
      Lbl_hp_1(add<ui::Label>("Lbl_hp_1", &Pnl_chr_1, 128, 248, 0, 0)),
      Panel1(add<ui::Panel>("Panel1", nullptr, 280, 160, 81, 41)),
      Panel2(add<ui::Panel>("Panel2", nullptr, 168, 320, 297, 145)),
      Button2(add<ui::Button>("Button2", &Panel2, 8, 8, 89, 25)),
      Button3(add<ui::Button>("Button3", &Panel2, 104, 8, 89, 25)),
      Button4(add<ui::Button>("Button4", &Panel2, 200, 8, 89, 25)),
      Button5(add<ui::Button>("Button5", &Panel2, 8, 40, 89, 25)),
      Button6(add<ui::Button>("Button6", &Panel2, 104, 40, 89, 25)),
      Button7(add<ui::Button>("Button7", &Panel2, 200, 40, 89, 25)),
      Spb_plr(add<ui::SpeedButton>("Spb_plr", &Panel2, 24, 80, 65, 22, 1)),
      Btn_enter(add<ui::Button>("Btn_enter", &Panel2, 104, 80, 89, 25)),
      Spb_cp(add<ui::SpeedButton>("Spb_cp", &Panel2, 208, 80, 65, 22, 1)),
      Btn_return(add<ui::Button>("Btn_return", &Panel2, 112, 112, 75, 25)),
      Panel3(add<ui::Panel>("Panel3", nullptr, 472, 312, 161, 161)),
      Img_ura_chr(add<ui::Picture>("Img_ura_chr", nullptr, 112, 32, 129, 177)),
      Mm_sts(add<ui::Memo>("Mm_sts", nullptr, 0, 424, 145, 49, app::roster_text())),
      Iml_chr(add_image_list("Iml_chr", 128, 176)) {
    for (int i = 0; i < 7; ++i) Iml_chr.add(game.pictures().chr[static_cast<std::size_t>(i)]);
    Img_ura_chr.hide();

    Panel4.set_caption("VS MODE");
    Panel1.set_caption("VS");
    Panel1.set_font({24, true});

    Lbl_name_0.set_caption("player");
    Lbl_name_1.set_caption("CP");
    Lbl_type_0.set_caption("IN FIGHTER");
    Lbl_type_1.set_caption("OUT BOXER");
    for (ui::Label* l : {&Lbl_name_0, &Lbl_name_1, &Lbl_type_0, &Lbl_type_1}) l->centred = true;
    for (ui::Label* l : {&Label1, &Label5}) l->set_caption("IN:");
    for (ui::Label* l : {&Label2, &Label6}) l->set_caption("OT:");
    for (ui::Label* l : {&Label3, &Label8}) l->set_caption("FW:");
    for (ui::Label* l : {&Label7, &Label9}) l->set_caption("AG:");
    for (ui::Label* l : {&Label4, &Label10}) l->set_caption("DF:");
    for (ui::Label* l : {&Label11, &Label12}) l->set_caption("HP:");
    for (ui::Label* l : {&Lbl_nap_0, &Lbl_lap_0, &Lbl_spd_0, &Lbl_agl_0, &Lbl_gad_0, &Lbl_hp_0,
                         &Lbl_nap_1, &Lbl_lap_1, &Lbl_spd_1, &Lbl_agl_1, &Lbl_gad_1, &Lbl_hp_1}) {
        l->set_caption("10");
    }

    ui::Button* roster[] = {&Button2, &Button3, &Button4, &Button5, &Button6, &Button7};
    const char* roster_names[] = {"Tsugane Hiyo", "Arakida Mone", "Nurume Sayo",
                                  "Ebisawa Kino", "Kokko Mahiro", "Amber Falcon"};
    for (int k = 0; k < 6; ++k) {
        ui::Button& b = *roster[k];
        b.set_caption(roster_names[k]);
        b.tag = k;
        b.on_click = [this, &b] { roster_buttonClick(b); };
    }
    Spb_plr.set_caption("PLAYER");
    Spb_cp.set_caption("CP");
    Btn_enter.set_caption("ENTER");
    Btn_enter.set_enabled(false);
    Btn_return.set_caption("RETURN");
    Spb_plr.on_click = [this] { Spb_plrClick(); };
    Spb_cp.on_click = [this] { Spb_cpClick(); };
    Btn_enter.on_click = [this] { Btn_enterClick(); };
    Btn_return.on_click = [this] { Btn_returnClick(); };
    set_tab_order(
        {&Btn_enter, &Button2, &Button3, &Button4, &Button5, &Button6, &Button7, &Btn_return});

    build_help_panel(*this, Panel3, true);

    close_title_on_close();
    field("sel_side", &sel_side);
    field("pick", pick, 2);
    field("picked", picked, 2);
    text_field("name", name, 2);
    field("ldt", ldt, 2);
    field("hp", hp, 2);
    field("nap", nap, 2);
    field("lap", lap, 2);
    field("spd", spd, 2);
    field("gad", gad, 2);
    field("agl", agl, 2);
}

void VsScreen::vs_reset() {
    pick[0] = 0;
    pick[1] = 1;
    picked[0] = 0;
    picked[1] = 0;
    sel_side = 0;
    Btn_enter.set_enabled(false);
    Spb_plr.set_down(true);
    for (int s = 0; s < 2; ++s) {
        // ldt stays: the type label keeps the last pick's.
        name[s].clear();
        hp[s] = 0;
        nap[s] = 0;
        lap[s] = 0;
        spd[s] = 0;
        gad[s] = 0;
        agl[s] = 0;
    }
    Img_chr_0.hide();
    Img_chr_1.hide();
    vs_refresh();
}

void VsScreen::Spb_plrClick() {
    sel_side = 0;
}

void VsScreen::Spb_cpClick() {
    sel_side = 1;
}

void VsScreen::roster_buttonClick(const ui::Button& sender) {
    pick[sel_side] = sender.tag;
    vs_pick();
}

void VsScreen::vs_pick() {
    const int s = sel_side;
    picked[s] = 1;
    const app::RosterRecord r = app::read_roster_record(Mm_sts.lines(), pick[s]);
    name[s] = r.name;
    ldt[s] = r.ldt;
    hp[s] = r.hp;
    nap[s] = r.nap;
    lap[s] = r.lap;
    spd[s] = r.spd;
    gad[s] = r.gad;
    agl[s] = r.agl;
    if (picked[0] == 1) Img_chr_0.show();
    if (picked[1] == 1) Img_chr_1.show();
    if (picked[0] == 1 && picked[1] == 1) Btn_enter.set_enabled(true);
    vs_refresh();
}

void VsScreen::vs_refresh() {
    const char* type[2] = {app::type_label(ldt[0]), app::type_label(ldt[1])};
    // Drawn even while hidden, so a portrait is ready the moment its side is picked.
    view::draw_portrait(Iml_chr, pick[0], Img_ura_chr, Img_chr_0);
    view::draw_portrait(Iml_chr, pick[1], Img_ura_chr, Img_chr_1);
    struct SideLabels {
        ui::Label &name, &nap, &lap, &spd, &gad, &agl, &hp, &type;
    };
    const SideLabels sides[2] = {
        {Lbl_name_0, Lbl_nap_0, Lbl_lap_0, Lbl_spd_0, Lbl_gad_0, Lbl_agl_0, Lbl_hp_0, Lbl_type_0},
        {Lbl_name_1, Lbl_nap_1, Lbl_lap_1, Lbl_spd_1, Lbl_gad_1, Lbl_agl_1, Lbl_hp_1, Lbl_type_1},
    };
    for (int s = 0; s < 2; ++s) {
        const SideLabels& l = sides[s];
        l.name.set_caption(name[s]);
        l.nap.set_caption(std::to_string(nap[s]));
        l.lap.set_caption(std::to_string(lap[s]));
        l.spd.set_caption(std::to_string(spd[s]));
        l.gad.set_caption(std::to_string(gad[s]));
        l.agl.set_caption(std::to_string(agl[s]));
        l.hp.set_caption(std::to_string(hp[s]));
        l.type.set_caption(type[s]);
    }
}

void VsScreen::Btn_enterClick() {
    game().bout().chr[0] = pick[0];
    game().bout().chr[1] = pick[1];
    game().switch_screen(*this, game().bout());
}

void VsScreen::Btn_returnClick() {
    game().switch_screen(*this, game().title());
}

}  // namespace screens
