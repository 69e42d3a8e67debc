#include "sample_data.h"

#include "figures.h"

namespace core {

namespace {

// Names first from these lists, then numbered ones, so that any number of them differ.
const char *const golferNames[] = {"Ann O'Neil", "J\u00fcrgen M\u00fcller", "Sam Snead"};
const char *const courseNames[] = {"Cedar Hollow", "Pine Ridge", "Willow Creek", "Eagle Bluff"};
constexpr int golferNameCount = sizeof golferNames / sizeof *golferNames;
constexpr int courseNameCount = sizeof courseNames / sizeof *courseNames;

// The pars of a nine, turned round by the course's index so that courses differ.
constexpr int pars[holesPerNine] = {4, 5, 3, 4, 4, 3, 5, 4, 4};

QString golferName(int index) {
    if (index < golferNameCount) {
        return QString::fromUtf8(golferNames[index]);
    }
    return QStringLiteral("Golfer %1").arg(index + 1, 4, 10, QLatin1Char('0'));
}

QString courseName(int index) {
    if (index < courseNameCount) {
        return QString::fromUtf8(courseNames[index]);
    }
    return QStringLiteral("Course %1").arg(index + 1, 2, 10, QLatin1Char('0'));
}

// Hole `hole` (0 to 17) of course `index`.
HoleFigures sampleHole(int index, int hole) {
    const int par = pars[(hole + index) % holesPerNine];
    const int blue = 120 * par - 60 + 7 * (hole % holesPerNine) + 5 * index;
    // Stroke indexes: odd on the front nine, even on the back.
    const int handicap = hole < holesPerNine ? 2 * hole + 1 : 2 * (hole - holesPerNine) + 2;
    return {QString::number(blue), QString::number(blue - 25), QString::number(blue - 55),
            QString::number(par), QString::number(handicap)};
}

HoleFigures summed(const CourseNine &nine) {
    QStringList blue, white, red, par;
    for (const HoleFigures &hole : nine.holes) {
        blue << hole.blue;
        white << hole.white;
        red << hole.red;
        par << hole.par;
    }
    return {wholeSum(blue), wholeSum(white), wholeSum(red), wholeSum(par), QStringLiteral("0")};
}

// Strokes a few over par and one or two putts a hole; `hole` counts 1 to 18.
void playNine(RoundNine &nine, const CourseNine &courseNine, int firstHole, unsigned seed) {
    for (int at = 0; at < holesPerNine; ++at) {
        const unsigned hole = static_cast<unsigned>(firstHole + at);
        const double par = leadingNumber(courseNine.holes[at].par);
        nine.pars[at] = courseNine.holes[at].par;
        nine.strokes[at] = numberText(par + (hole * hole + seed * hole + seed) % 3);
        nine.putts[at] = QString::number(1 + (hole + seed) % 2);
    }
    nine.strokesTotal = wholeSum(QStringList(nine.strokes.begin(), nine.strokes.end()));
    nine.parTotal = wholeSum(QStringList(nine.pars.begin(), nine.pars.end()));
    nine.puttsTotal = wholeSum(QStringList(nine.putts.begin(), nine.putts.end()));
}

} // namespace

QStringList sampleGolfers(int count) {
    QStringList names;
    for (int index = 0; index < count; ++index) {
        names << golferName(index);
    }
    return names;
}

Course sampleCourse(int index, bool eighteenHoles) {
    Course course = Course::zeroed();
    course.id = QString::number(index);
    course.name = courseName(index);
    course.size = sizeText(eighteenHoles);
    const int holesPlayed = eighteenHoles ? 2 * holesPerNine : holesPerNine;
    for (int hole = 0; hole < holesPlayed; ++hole) {
        CourseNine &nine = course.nine(hole < holesPerNine ? Nine::Front : Nine::Back);
        nine.holes[hole % holesPerNine] = sampleHole(index, hole);
    }
    course.front.totals = summed(course.front);
    if (eighteenHoles) {
        course.back.totals = summed(course.back);
    }
    return course;
}

Round sampleRound(const Course &course, const QString &golferName, const QString &date,
                  unsigned seed) {
    Round round = Round::zeroed();
    round.courseName = course.name;
    round.golferName = golferName;
    round.date = date;
    playNine(round.front, course.front, 1, seed);
    if (course.hasEighteenHoles()) {
        playNine(round.back, course.back, holesPerNine + 1, seed);
    }
    round.addUpRoundTotals();
    return round;
}

} // namespace core
