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
#include "store/jet_import.h"
#include "ui/screen.h"
#include "ui/services.h"

#include <QDir>

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

const QString parlivo_title = QStringLiteral(" Parlivo ");

QString conversion_question() {
    return QStringLiteral("This folder holds qxdat2000.mdb, the Access database of the golf "
                          "program that Parlivo replaces.\n\nBring its golfers, courses and "
                          "rounds into Parlivo? The original file is kept as a backup.\n\nNo "
                          "ends Parlivo and leaves the file as it is.");
}

QString conversion_summary(const store::JetConversion &conversion) {
    return QStringLiteral("%1 golfers, %2 courses and %3 rounds were brought over from the old "
                          "database. The original file is kept as %4.")
        .arg(conversion.golfers)
        .arg(conversion.courses)
        .arg(conversion.rounds)
        .arg(conversion.backupName);
}

// An Access database left by the program Parlivo replaces is converted once, before anything
// reads the database, if the user agrees. False when the user declines: Parlivo then ends.
bool bring_over_old_database(const QString &appFolder) {
    if (!store::is_jet_database(QDir(appFolder).filePath(store::database_file_name))) {
        return true;
    }
    if (ui::msg_box(conversion_question(), ui::MsgButtons::YesNo, ui::MsgIcon::Question,
                    parlivo_title, QMessageBox::Yes) != QMessageBox::Yes) {
        return false;
    }
    ui::show_hourglass();
    const store::JetConversion conversion = store::convert_jet_database(appFolder);
    ui::show_default_pointer();
    ui::msg_box(conversion_summary(conversion), ui::MsgButtons::Ok, ui::MsgIcon::Information,
                parlivo_title);
    return true;
}

} // namespace

bool start(const QString &appFolder) {
    ui::set_app_path(appFolder);
    ui::install_font_substitutes();
    define_screens();
    try {
        if (!bring_over_old_database(appFolder)) {
            shut_down();
            return false;
        }
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
