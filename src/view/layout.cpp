// The bout screen as designed: every control's place, size, text, font and colour.
#include "app/game.h"
#include "app/roster.h"
#include "bout/bout_screen.h"
#include "view/portrait.h"

namespace bout {

namespace {

ui::Label& label(app::Screen& f, const char* name, ui::Control* parent, int l, int t,
                 const char* text) {
    ui::Label& lb = f.add<ui::Label>(name, parent, l, t, 0, 0);
    lb.set_caption(text);
    return lb;
}

ui::Label& mark(app::Screen& f, const char* name, ui::Control* parent, int l, int t, int size,
                const char* text, ui::Color colour, bool visible) {
    ui::Label& lb = f.add<ui::Label>(name, parent, l, t, size, size);
    lb.set_caption(text);
    lb.set_font({24, true, colour});
    lb.set_visible(visible);
    return lb;
}

ui::Label& centred(app::Screen& f, const char* name, ui::Control* parent, int l, int t, int w,
                   int h, const char* text) {
    ui::Label& lb = f.add<ui::Label>(name, parent, l, t, w, h);
    lb.centred = true;
    lb.set_caption(text);
    return lb;
}

ui::Picture& hidden_picture(app::Screen& f, const char* name, int w, int h) {
    ui::Picture& p = f.add<ui::Picture>(name, nullptr, 0, 0, w, h);
    p.hide();
    return p;
}

}  // namespace

constexpr const char* kStatNames0[] = {"Label1", "Label2", "Label3", "Label7", "Label4"};
constexpr const char* kStatValues0[] = {"Lbl_nap_0", "Lbl_lap_0", "Lbl_spd_0", "Lbl_agl_0",
                                        "Lbl_gad_0"};
constexpr const char* kStatNames1[] = {"Label5", "Label6", "Label8", "Label9", "Label10"};
constexpr const char* kStatValues1[] = {"Lbl_nap_1", "Lbl_lap_1", "Lbl_spd_1", "Lbl_agl_1",
                                        "Lbl_gad_1"};

// The statistic rows of a side panel: IN, OT, FW over AG, DF, each a caption and a value.
static void stat_rows(app::Screen& f, ui::Panel& p, const char* const names[5],
                      const char* const values[5]) {
    label(f, names[0], &p, 8, 232, "IN:");
    label(f, values[0], &p, 32, 232, "10");
    label(f, names[1], &p, 56, 232, "OT:");
    label(f, values[1], &p, 80, 232, "10");
    label(f, names[2], &p, 104, 232, "FW:");
    label(f, values[2], &p, 128, 232, "10");
    label(f, names[3], &p, 8, 248, "AG:");
    label(f, values[3], &p, 32, 248, "10");
    label(f, names[4], &p, 56, 248, "DF:");
    label(f, values[4], &p, 80, 248, "10");
}

static ui::Label& find_label(app::Screen& f, const char* name) {
    return static_cast<ui::Label&>(*f.find_control(name));
}

BoutScreen::BoutScreen(app::Game& game)
    : app::Screen(game, "Form1"),
      Pnl_chr_0(add<ui::Panel>("Pnl_chr_0", nullptr, 16, 32, 145, 265)),
      Img_chr_0(add<ui::Picture>("Img_chr_0", &Pnl_chr_0, 8, 9, 129, 177)),
      Lbl_name_0(centred(*this, "Lbl_name_0", &Pnl_chr_0, 8, 192, 129, 12, "player")),
      Pgb_hp_0(add<ui::ProgressBar>("Pgb_hp_0", &Pnl_chr_0, 8, 208, 129, 16)),
      Lbl_nap_0((stat_rows(*this, Pnl_chr_0,
                           kStatNames0, kStatValues0),
                 find_label(*this, "Lbl_nap_0"))),
      Lbl_lap_0(find_label(*this, "Lbl_lap_0")),
      Lbl_spd_0(find_label(*this, "Lbl_spd_0")),
      Lbl_agl_0(find_label(*this, "Lbl_agl_0")),
      Lbl_gad_0(find_label(*this, "Lbl_gad_0")),
      Lbl_fb(mark(*this, "Lbl_fb", &Pnl_chr_0, 120, 8, 9, "・", ui::clWindowText, false)),
      Lbl_tgt_0(mark(*this, "Lbl_tgt_0", &Pnl_chr_0, 55, 55, 26, "○", ui::clRed, true)),
      Lbl_move_0(mark(*this, "Lbl_move_0", &Pnl_chr_0, 40, 136, 25, "▽", ui::clBlue, true)),
      Lbl_move_1_0(mark(*this, "Lbl_move_1_0", &Pnl_chr_0, 80, 136, 25, "△", ui::clRed, false)),
      Panel2(add<ui::Panel>("Panel2", nullptr, 184, 32, 273, 209)),
      Img_pic(add<ui::Picture>("Img_pic", &Panel2, 8, 8, 257, 193)),
      Img_ring(add<ui::Picture>("Img_ring", &Panel2, 8, 8, 257, 193)),
      Pnl_chr_1(add<ui::Panel>("Pnl_chr_1", nullptr, 480, 32, 145, 265)),
      Img_chr_1(add<ui::Picture>("Img_chr_1", &Pnl_chr_1, 9, 8, 129, 177)),
      Lbl_name_1(centred(*this, "Lbl_name_1", &Pnl_chr_1, 8, 192, 129, 12, "CP")),
      Pgb_hp_1(add<ui::ProgressBar>("Pgb_hp_1", &Pnl_chr_1, 8, 208, 129, 16)),
      Lbl_nap_1((stat_rows(*this, Pnl_chr_1,
                           kStatNames1, kStatValues1),
                 find_label(*this, "Lbl_nap_1"))),
      Lbl_lap_1(find_label(*this, "Lbl_lap_1")),
      Lbl_spd_1(find_label(*this, "Lbl_spd_1")),
      Lbl_agl_1(find_label(*this, "Lbl_agl_1")),
      Lbl_gad_1(find_label(*this, "Lbl_gad_1")),
      Lbl_fb_1(mark(*this, "Lbl_fb_1", &Pnl_chr_1, 120, 8, 9, "・", ui::clWindowText, false)),
      Lbl_tgt_1(mark(*this, "Lbl_tgt_1", &Pnl_chr_1, 24, 112, 25, "○", ui::clBlue, true)),
      Lbl_move_0_1(mark(*this, "Lbl_move_0_1", &Pnl_chr_1, 40, 128, 25, "△", ui::clBlue, false)),
      Lbl_move_1(mark(*this, "Lbl_move_1", &Pnl_chr_1, 80, 128, 25, "▽", ui::clRed, false)),
      Panel4(add<ui::Panel>("Panel4", nullptr, 200, 264, 241, 33)),
      Pnl_msg(add<ui::Panel>("Pnl_msg", nullptr, 144, 320, 353, 105)),
      Lbl_msg_0(centred(*this, "Lbl_msg_0", &Pnl_msg, 16, 16, 321, 17,
                        "Ebisawa Kinoのストレート")),
      Lbl_msg_1(centred(*this, "Lbl_msg_1", &Pnl_msg, 16, 40, 329, 27, "ＤＡＭＡＧＥ！")),
      Panel1(add<ui::Panel>("Panel1", nullptr, 504, 300, 129, 173)),
      Pnl_cmd(add<ui::Panel>("Pnl_cmd", nullptr, 240, 136, 161, 41)),
      Btn_retry(add<ui::Button>("Btn_retry", &Pnl_cmd, 8, 8, 75, 25)),
      Btn_end(add<ui::Button>("Btn_end", &Pnl_cmd, 80, 8, 75, 25)),
      Img_ura(hidden_picture(*this, "Img_ura", 257, 193)),
      Img_ura_r(hidden_picture(*this, "Img_ura_r", 257, 193)),
      Img_ura_chr(hidden_picture(*this, "Img_ura_chr", 129, 177)),
      Img_ccg(hidden_picture(*this, "Img_ccg", 81, 145)),
      Img_cmoto(hidden_picture(*this, "Img_cmoto", 16, 64)),
      Img_csaki(hidden_picture(*this, "Img_csaki", 129, 32)),
      Mm_sts(add<ui::Memo>("Mm_sts", nullptr, 0, 424, 145, 49, app::roster_text())),
      Iml_waza(add_image_list("Iml_waza", 256, 192)),
      Iml_chr(add_image_list("Iml_chr", 128, 176)),
      Iml_ring(add_image_list("Iml_ring", 80, 145)),
      Iml_mask(add_image_list("Iml_mask", 256, 192)),
      Iml_mask_r(add_image_list("Iml_mask_r", 80, 145)),
      Iml_copy_r(add_image_list("Iml_copy_r", 80, 145)),
      Tmr_target_0_on(add_timer("Tmr_target_0_on", 3000)),
      Tmr_target_1_on(add_timer("Tmr_target_1_on", 3000)),
      Tmr_tgt_0_off(add_timer("Tmr_tgt_0_off", 1000)),
      Tmr_tgt_1_off(add_timer("Tmr_tgt_1_off", 1000)),
      Tmr_move_0_off(add_timer("Tmr_move_0_off", 1000)),
      Tmr_move_1_off(add_timer("Tmr_move_1_off", 1000)),
      Tmr_event(add_timer("Tmr_event", 2000)),
      Tmr_cls(add_timer("Tmr_cls", 1500)),
      Tmr_clr(add_timer("Tmr_clr", 1500)),
      Tmr_shake_0(add_timer("Tmr_shake_0", 100)),
      Tmr_shake_1(add_timer("Tmr_shake_1", 100)),
      Tmr_finish(add_timer("Tmr_finish", 4000)),
      Mpr_start(add_player("Mpr_start", "sound/gong.wav")),
      Mpr_fin(add_player("Mpr_fin", "sound/gong_2.wav")),
      Mpr_hit(add_player("Mpr_hit", "sound/hit.wav")),
      Mpr_dmg(add_player("Mpr_dmg", "sound/damage.wav")),
      Mpr_gad(add_player("Mpr_gad", "sound/guard.wav")),
      Mpr_move_1(add_player("Mpr_move_1", "sound/move_1.wav")),
      Mpr_move_2(add_player("Mpr_move_2", "sound/move_2.wav")),
      Mpr_down(add_player("Mpr_down", "sound/down.wav")),
      Mpr_bgm(add_player("Mpr_bgm", "sound/brelo.mid")),
      Mpr_bgm_B(add_player("Mpr_bgm_B", "sound/brelo_B.mid")) {
    build_layout();
    register_fields();
    connect_handlers();
    close_title_on_close();
}

void BoutScreen::build_layout() {
    Pnl_chr_0.set_color(ui::clBlue);
    Pnl_chr_1.set_color(ui::clRed);
    Pnl_msg.bevel = ui::Bevel::lowered;
    Lbl_msg_0.set_font({16, false, ui::clWindowText});
    Lbl_msg_1.set_font({27, false, ui::clWindowText});
    Img_pic.hide();
    Img_ring.hide();
    Pnl_cmd.hide();
    Btn_retry.set_caption("RETRY");
    Btn_end.set_caption("END");
    set_tab_order({&Btn_retry, &Btn_end});

    // The position strip: seven cells, the middle one wider; the design shows cells 2 and 4.
    static constexpr int lefts[7] = {8, 40, 72, 104, 144, 176, 208};
    for (int i = 0; i < 7; ++i) {
        auto& p = add<ui::Panel>("Pnl_pos_" + std::to_string(i), &Panel4, lefts[i], 8,
                                 i == 3 ? 33 : 25, 17);
        p.set_color(i == 2 ? ui::clBlue : i == 4 ? ui::clRed : ui::clBtnFace);
        Pnl_pos.push_back(&p);
    }

    // The help panel never changes.
    add<ui::BevelBox>("Bevel2", &Panel1, 8, 6, 113, 15, ui::BevelBox::Shape::frame);
    label(*this, "Label13", &Panel1, 16, 8, "Brellon").set_font({12, true, ui::clWindowText});
    label(*this, "Label11", &Panel1, 8, 24, "○●△▽：Left Click");
    label(*this, "Label18", &Panel1, 32, 40, "☆⇔");
    label(*this, "Label12", &Panel1, 8, 56, "◇◆：Right Click");
    add<ui::BevelBox>("Bevel1", &Panel1, 8, 62, 113, 9, ui::BevelBox::Shape::bottom_line);
    label(*this, "Label14", &Panel1, 8, 72, "○◇：Normal Atack");
    label(*this, "Label17", &Panel1, 56, 88, "& Defence");
    label(*this, "Label15", &Panel1, 8, 104, "●◆：Press Atack");
    label(*this, "Label20", &Panel1, 56, 117, "& Defence");
    label(*this, "Label16", &Panel1, 8, 128, "△▽：Move");
    label(*this, "Label19", &Panel1, 16, 144, "☆ ：Rush Start");
    label(*this, "Label21", &Panel1, 16, 160, "⇔ ：Change");

    // The pictures that come with the screen.
    const app::Pictures& pics = game().pictures();
    for (const auto& img : pics.waza) Iml_waza.add(img);
    for (const auto& img : pics.chr) Iml_chr.add(img);
    for (const auto& img : pics.ring) Iml_ring.add(img);
    view::draw_portrait(Iml_chr, 1, Img_ura_chr, Img_chr_1);

    // The key-colour strip and the colour sheet are data: four swatches, eight columns of two.
    static constexpr ui::Color keys[4] = {0x0000FF, 0x00FF00, 0x0000CE, 0x009400};
    for (int i = 0; i < 4; ++i) {
        Img_cmoto.draw().fill_rect({0, 16 * i, 16, 16 * i + 16}, keys[i], keys[i]);
    }
    static constexpr ui::Color sheet[8][2] = {
        {0xFF8200, 0xFF4E23}, {0xB071FE, 0x8DF900}, {0xB96701, 0x2F86FF}, {0xFC344C, 0x62007E},
        {0x9BA100, 0xECEDED}, {0xABD7FC, 0xC7D200}, {0x00FE6B, 0xFF28C8}, {0xFE006A, 0xF9FF62}};
    for (int k = 0; k < 8; ++k) {
        for (int row = 0; row < 2; ++row) {
            const ui::Color c = sheet[k][row];
            Img_csaki.draw().fill_rect({16 * k, 16 * row, 16 * k + 16, 16 * row + 16}, c, c);
        }
    }
}

void BoutScreen::register_fields() {
    field("pos", pos, 2);
    field("gap", &gap);
    field("swap", &swap);
    field("atk_rate", atk_rate, 2);
    field("move_rate", move_rate, 2);
    field("itv_tgt_0", &itv_tgt_0);
    field("itv_tgt_1", &itv_tgt_1);
    field("itv_move_0", &itv_move_0);
    field("itv_move_1", &itv_move_1);
    field("hp", hp, 2);
    field("fin_cnt", &fin_cnt);
    field("cp_press", &cp_press);
    field("kind", kind, 2);
    field("closed", &closed);
    field("moved", &moved);
    field("pos_max", &pos_max);
    field("rush", rush, 2);
    field("itv_guard_0", &itv_guard_0);
    field("itv_guard_1", &itv_guard_1);
    field("cp_star", &cp_star);
    field("last_hit", &last_hit);
    field("press_rate", press_rate, 2);
    field("hp_base", &hp_base);
    field("adv_rate", adv_rate, 2);
    field("star_rate", star_rate, 2);
    field("rush_itv", rush_itv, 2);
    field("bgm_b", &bgm_b);
    field("ldt", ldt, 2);
    field("sts_hp", sts_hp, 2);
    field("nap", nap, 2);
    field("lap", lap, 2);
    field("spd", spd, 2);
    field("gad", gad, 2);
    field("agl", agl, 2);
    field("ldt_now", ldt_now, 2);
    field("hp_max", hp_max, 2);
    field("nap_now", nap_now, 2);
    field("lap_now", lap_now, 2);
    field("spd_now", spd_now, 2);
    field("gad_now", gad_now, 2);
    field("agl_now", agl_now, 2);
    table_field("chr_col", &chr_col[0][0], 2, 4);
    field("key_col", key_col, 4);
    text_field("name", name, 2);
    text_field("name_disp", name_disp, 2);
    field("chr", chr, 2);
    field("atk", &atk);
}

void BoutScreen::connect_handlers() {
    Tmr_event.on_timer = [this] { Tmr_eventTimer(); };
    Tmr_clr.on_timer = [this] { Tmr_clrTimer(); };
    Tmr_cls.on_timer = [this] { Tmr_clsTimer(); };
    Lbl_move_0_1.on_click = [this] { Lbl_move_0_1Click(); };
    Lbl_move_0.on_click = [this] { Lbl_move_0Click(); };
    Tmr_move_0_off.on_timer = [this] { Tmr_move_0_offTimer(); };
    Tmr_move_1_off.on_timer = [this] { Tmr_move_1_offTimer(); };
    Lbl_move_1.on_click = [this] { Lbl_move_1Click(); };
    Lbl_move_1_0.on_click = [this] { Lbl_move_1_0Click(); };
    Tmr_target_1_on.on_timer = [this] { Tmr_target_1_onTimer(); };
    Tmr_target_0_on.on_timer = [this] { Tmr_target_0_onTimer(); };
    Lbl_tgt_1.on_click = [this] { Lbl_tgt_1Click(); };
    Lbl_tgt_1.on_mouse_down = [this](ui::MouseButton b) { Lbl_tgt_1MouseDown(b); };
    Tmr_tgt_1_off.on_timer = [this] { Tmr_tgt_1_offTimer(); };
    Lbl_tgt_0.on_click = [this] { Lbl_tgt_0Click(); };
    Tmr_tgt_0_off.on_timer = [this] { Tmr_tgt_0_offTimer(); };
    Tmr_finish.on_timer = [this] { Tmr_finishTimer(); };
    Btn_retry.on_click = [this] { Btn_retryClick(); };
    Btn_end.on_click = [this] { Btn_endClick(); };
    Mpr_bgm.on_notify = [this] { Mpr_bgmNotify(); };
    Mpr_bgm_B.on_notify = [this] { Mpr_bgm_BNotify(); };
    Tmr_shake_0.on_timer = [this] { Tmr_shake_0Timer(); };
    Tmr_shake_1.on_timer = [this] { Tmr_shake_1Timer(); };
}

}  // namespace bout
