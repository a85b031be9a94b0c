#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "app/screen.h"
#include "ui/control.h"
#include "ui/media.h"
#include "ui/timer.h"

namespace bout {

// Message kinds of the announcer.
enum Msg { hit = 0, damage = 1, knockout = 2, fight = 3, approach = 4, retreat = 5, change = 6 };

// The bout screen and the state of the bout being fought. The engine (this folder) and the
// presentation (view/) share its fields by their names; sides are 0 the player, 1 the CP.
class BoutScreen final : public app::Screen {
public:
    explicit BoutScreen(app::Game& game);
    void entry() override { setup_bout(); }

    // Set-up and gauges.
    void setup_bout();
    void update_gauges();
    // Announcer.
    void announce(int side, int msg);
    // Ring line.
    void update_positions();
    void clear_marks();
    bool cornered(int side) const;
    bool room_behind(int side) const { return !cornered(side); }
    // Presentation.
    void sample_colours();
    void build_ring_sprites();
    void show_technique_picture();
    void draw_portraits();
    void draw_ring_view();

    // The bout state, in the order the screen declares it.
    std::int32_t pos[2] = {};
    std::int32_t gap = 0;
    std::int32_t swap = 0;
    std::int32_t atk_rate[2] = {};
    std::int32_t move_rate[2] = {};
    std::int32_t itv_tgt_0 = 0, itv_tgt_1 = 0, itv_move_0 = 0, itv_move_1 = 0;
    std::int32_t hp[2] = {};
    std::int32_t fin_cnt = 0;
    std::int32_t cp_press = 0;
    std::int32_t kind[2] = {};
    // Also the tick counter of the player panel's shake.
    std::int32_t closed = 0;
    // Also the tick counter of the CP panel's shake.
    std::int32_t moved = 0;
    std::int32_t pos_max = 0;
    std::int32_t rush[2] = {};
    std::int32_t itv_guard_0 = 0, itv_guard_1 = 0;
    std::int32_t cp_star = 0;
    std::int32_t last_hit = 0;  // 0 none, 1 the player, 2 the CP
    std::int32_t press_rate[2] = {};
    std::int32_t hp_base = 0;
    std::int32_t adv_rate[2] = {};
    std::int32_t star_rate[2] = {};
    std::int32_t rush_itv[2] = {};
    std::int32_t bgm_b = 0;
    std::int32_t ldt[2] = {}, sts_hp[2] = {}, nap[2] = {}, lap[2] = {}, spd[2] = {}, gad[2] = {},
                 agl[2] = {};
    std::int32_t ldt_now[2] = {}, hp_max[2] = {}, nap_now[2] = {}, lap_now[2] = {},
                 spd_now[2] = {}, gad_now[2] = {}, agl_now[2] = {};
    std::int32_t chr_col[2][4] = {};  // colours as 0xRRGGBB
    std::int32_t key_col[4] = {};
    std::string name[2];
    std::string name_disp[2];
    std::int32_t chr[2] = {};
    std::int32_t atk = 0;

    // Controls, in creation order (later ones lie on top).
    ui::Panel& Pnl_chr_0;
    ui::Picture& Img_chr_0;
    ui::Label& Lbl_name_0;
    ui::ProgressBar& Pgb_hp_0;
    ui::Label& Lbl_nap_0;
    ui::Label& Lbl_lap_0;
    ui::Label& Lbl_spd_0;
    ui::Label& Lbl_agl_0;
    ui::Label& Lbl_gad_0;
    ui::Label& Lbl_fb;
    ui::Label& Lbl_tgt_0;
    ui::Label& Lbl_move_0;
    ui::Label& Lbl_move_1_0;
    ui::Panel& Panel2;
    ui::Picture& Img_pic;
    ui::Picture& Img_ring;
    ui::Panel& Pnl_chr_1;
    ui::Picture& Img_chr_1;
    ui::Label& Lbl_name_1;
    ui::ProgressBar& Pgb_hp_1;
    ui::Label& Lbl_nap_1;
    ui::Label& Lbl_lap_1;
    ui::Label& Lbl_spd_1;
    ui::Label& Lbl_agl_1;
    ui::Label& Lbl_gad_1;
    ui::Label& Lbl_fb_1;
    ui::Label& Lbl_tgt_1;
    ui::Label& Lbl_move_0_1;
    ui::Label& Lbl_move_1;
    ui::Panel& Panel4;
    std::vector<ui::Panel*> Pnl_pos;  // Pnl_pos_0 to Pnl_pos_6
    ui::Panel& Pnl_msg;
    ui::Label& Lbl_msg_0;
    ui::Label& Lbl_msg_1;
    ui::Panel& Panel1;
    ui::Panel& Pnl_cmd;
    ui::Button& Btn_retry;
    ui::Button& Btn_end;
    ui::Picture& Img_ura;
    ui::Picture& Img_ura_r;
    ui::Picture& Img_ura_chr;
    ui::Picture& Img_ccg;
    ui::Picture& Img_cmoto;
    ui::Picture& Img_csaki;
    ui::Memo& Mm_sts;

    ui::ImageList& Iml_waza;
    ui::ImageList& Iml_chr;
    ui::ImageList& Iml_ring;
    ui::ImageList& Iml_mask;
    ui::ImageList& Iml_mask_r;
    ui::ImageList& Iml_copy_r;

    ui::Timer& Tmr_target_0_on;
    ui::Timer& Tmr_target_1_on;
    ui::Timer& Tmr_tgt_0_off;
    ui::Timer& Tmr_tgt_1_off;
    ui::Timer& Tmr_move_0_off;
    ui::Timer& Tmr_move_1_off;
    ui::Timer& Tmr_event;
    ui::Timer& Tmr_cls;
    ui::Timer& Tmr_clr;
    ui::Timer& Tmr_shake_0;
    ui::Timer& Tmr_shake_1;
    ui::Timer& Tmr_finish;

    ui::MediaPlayer& Mpr_start;
    ui::MediaPlayer& Mpr_fin;
    ui::MediaPlayer& Mpr_hit;
    ui::MediaPlayer& Mpr_dmg;
    ui::MediaPlayer& Mpr_gad;
    ui::MediaPlayer& Mpr_move_1;
    ui::MediaPlayer& Mpr_move_2;
    ui::MediaPlayer& Mpr_down;
    ui::MediaPlayer& Mpr_bgm;
    ui::MediaPlayer& Mpr_bgm_B;

private:
    void build_layout();
    void register_fields();
    void connect_handlers();

    // Handlers of the screen.
    void Tmr_eventTimer();
    void Tmr_clrTimer();
    void Tmr_clsTimer();
    void Lbl_move_0_1Click();
    void Lbl_move_0Click();
    void Tmr_move_0_offTimer();
    void Tmr_move_1_offTimer();
    void Lbl_move_1Click();
    void Lbl_move_1_0Click();
    void Tmr_target_1_onTimer();
    void Tmr_target_0_onTimer();
    void offer_player_attack();
    void offer_player_move();
    void offer_cp_attack();
    void offer_cp_move();
    void Lbl_tgt_1Click();
    void Lbl_tgt_1MouseDown(ui::MouseButton button);
    void land_player_punch();
    void Tmr_tgt_1_offTimer();
    void Lbl_tgt_0Click();
    void guard_cp_punch();
    void Tmr_tgt_0_offTimer();
    void Tmr_finishTimer();
    void Btn_retryClick();
    void Btn_endClick();
    void Mpr_bgmNotify();
    void Mpr_bgm_BNotify();
    void Tmr_shake_0Timer();
    void Tmr_shake_1Timer();

    void set_rush_intervals(int s, bool rushing);
    void start_rush(int s);
    void count_rush_punch(int s);
    void decide_or_go_on(int hit_side);
    // Whether a held-back CP move still fits the cells as they are now.
    bool cp_move_fits() const;
    int random(int n);
    void restart_cue(ui::MediaPlayer& p);
    void replace_key_colours(ui::Image& p, int s, int n) const;

    // Pictures are pure functions of a few values: drawn once, then handed out again. Copies of
    // a picture share their pixels, so a repeat costs nothing.
    struct Drawn {
        ui::Image work, shown;
    };
    std::int32_t drawn_for_[2] = {-1, -1};  // the pair of boxers the two maps below are for
    std::map<int, Drawn> technique_drawn_;  // by attacker and cell
    std::map<int, Drawn> ring_drawn_;       // by gap, swap and the boxer left out
    struct Sprites {
        ui::Image right, left, work;
    };
    std::map<int, Sprites> sprites_drawn_;  // by portrait index: her colours never change
};

}  // namespace bout
