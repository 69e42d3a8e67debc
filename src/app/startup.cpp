#include "startup.h"

#include "app/frm_about.h"
#include "app/frm_main.h"
#include "courses/catalogue.h"
#include "courses/frm_course.h"
#include "courses/frm_new_course.h"
#include "golfers/frm_golfer.h"
#include "rounds/frm_scoreround.h"
#include "rounds/frm_view_pr.h"
#include "stats/frm_stats.h"
#include "store/database.h"
#include "ui/screen.h"
#include "ui/services.h"

namespace app {

namespace {

template <class T> void define(const char *name) {
    ui::define_screen(QLatin1String(name), [] { return new T; });
}

void define_screens() {
    define<FrmMain>("frmMain");
    define<FrmGolfer>("frmGolfer");
    define<FrmCourse>("frmCourse");
    define<FrmNewCourse>("frmNewCourse");
    define<FrmScoreround>("frmScoreround");
    define<FrmViewPR>("frmViewPR");
    define<FrmStats>("frmStats");
    define<FrmAbout>("frmAbout");
}

void report(const store::Error &error) {
    ui::show_default_pointer();
    ui::msg_box(error.message(), ui::MsgButtons::Ok, ui::MsgIcon::Critical,
                QStringLiteral(" Parlivo"));
}

} // namespace

bool start(const QString &appFolder) {
    ui::set_app_path(appFolder);
    ui::install_font_substitutes();
    define_screens();
    try {
        store::prepare_database(appFolder);
        ui::screen(QStringLiteral("frmMain"))->showScreen();
    } catch (const store::Error &error) {
        report(error);
        shut_down();
        return false;
    }
    return true;
}

void shut_down() {
    ui::unload_all_screens();
    reset_catalogue();
}

} // namespace app
