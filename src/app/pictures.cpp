#include "app/pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <array>
#include <cmath>
#include <initializer_list>

namespace {

const QSize face_size(85, 122);
const QSize about_size(500, 105);
const QSize ball_size(49, 54);

// One palette for every picture: course greens, a clear sky, white and a gold accent.
const QColor sky_high(0x2C, 0x7F, 0xCF);
const QColor sky_low(0xCC, 0xEA, 0xFA);
const QColor sunset(0xFB, 0xE4, 0xA6);
const QColor haze(0x9D, 0xCB, 0xB0);
const QColor tree_line(0x3B, 0x85, 0x5E);
const QColor grass_light(0x78, 0xCC, 0x50);
const QColor grass(0x3F, 0xA0, 0x3F);
const QColor grass_dark(0x22, 0x6E, 0x30);
const QColor forest(0x14, 0x45, 0x27);
const QColor putting_green(0xA8, 0xE3, 0x76);
const QColor sand(0xF2, 0xE2, 0xAC);
const QColor sand_shade(0xCF, 0xB4, 0x6E);
const QColor gold(0xF6, 0xC4, 0x45);
const QColor gold_light(0xFF, 0xE4, 0x8F);
const QColor gold_deep(0xBE, 0x85, 0x12);
const QColor white(0xFF, 0xFF, 0xFF);
const QColor mist(0xE6, 0xEF, 0xF2);
const QColor steel(0x9D, 0xAD, 0xB5);
const QColor bark(0x6E, 0x4B, 0x2A);
const QColor hole(0x0E, 0x24, 0x16);
const QColor water(0x3E, 0x9B, 0xD6);

QColor with_alpha(QColor colour, int alpha) {
    colour.setAlpha(alpha);
    return colour;
}

QLinearGradient vertical_gradient(qreal top, qreal bottom, const QColor &from, const QColor &to) {
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0, from);
    gradient.setColorAt(1, to);
    return gradient;
}

QLinearGradient horizontal_gradient(qreal left, qreal right, const QColor &from, const QColor &to) {
    QLinearGradient gradient(left, 0, right, 0);
    gradient.setColorAt(0, from);
    gradient.setColorAt(1, to);
    return gradient;
}

// Lit from the upper left, like every other shape in the pictures.
QRadialGradient rounded_light(QPointF centre, qreal radius, const QColor &lit, const QColor &mid,
                              const QColor &dark) {
    QRadialGradient gradient(centre, radius, centre + QPointF(-0.4, -0.45) * radius);
    gradient.setColorAt(0, lit);
    gradient.setColorAt(0.6, mid);
    gradient.setColorAt(1, dark);
    return gradient;
}

QPainterPath ellipse_path(QPointF centre, qreal rx, qreal ry) {
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

QPainterPath rect_path(const QRectF &rect) {
    QPainterPath path;
    path.addRect(rect);
    return path;
}

QPainterPath rounded_rect_path(const QRectF &rect, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QPainterPath polyline(std::initializer_list<QPointF> points) {
    QPainterPath path;
    for (const QPointF &point : points) {
        if (path.elementCount() == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    return path;
}

void stroke(QPainter &p, const QPainterPath &path, const QBrush &brush, qreal width) {
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(brush, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.restore();
}

QPainterPath text_path(const QString &text, const QString &family, int pixel_size, QPointF centre) {
    QFont font(family);
    font.setPixelSize(pixel_size);
    font.setBold(true);
    QPainterPath path;
    path.addText(0, 0, font, text);
    path.translate(centre - path.boundingRect().center());
    return path;
}

// A soft contact shadow that fades out towards its rim.
void draw_shadow(QPainter &p, QPointF centre, qreal rx, qreal ry, int alpha = 90) {
    p.save();
    p.translate(centre);
    p.scale(1, ry / rx);
    QRadialGradient gradient(QPointF(), rx);
    gradient.setColorAt(0, QColor(0, 0, 0, alpha));
    gradient.setColorAt(1, QColor(0, 0, 0, 0));
    p.setBrush(gradient);
    p.drawEllipse(QPointF(), rx, rx);
    p.restore();
}

void draw_glow(QPainter &p, QPointF centre, qreal radius, const QColor &colour) {
    QRadialGradient gradient(centre, radius);
    gradient.setColorAt(0, colour);
    gradient.setColorAt(1, with_alpha(colour, 0));
    p.setBrush(gradient);
    p.drawEllipse(centre, radius, radius);
}

// Dimples spread evenly over the sphere; those near the rim are squashed so the ball
// reads as round rather than as a flat disc.
void draw_dimples(QPainter &p, QPointF centre, qreal radius) {
    const int count = 170;
    const qreal golden_angle = M_PI * (3.0 - std::sqrt(5.0));
    const qreal dimple = radius * 0.105;
    for (int i = 0; i < count; ++i) {
        const qreal y = 1.0 - 2.0 * (i + 0.5) / count;
        const qreal ring = std::sqrt(1.0 - y * y);
        const qreal x = std::cos(golden_angle * i) * ring;
        const qreal z = std::sin(golden_angle * i) * ring;
        if (z < 0.25)
            continue;
        p.save();
        p.translate(centre + QPointF(x, y) * radius);
        p.rotate(qRadiansToDegrees(std::atan2(y, x)));
        p.setBrush(QColor(0x50, 0x66, 0x72, int(22 + 40 * (1 - z))));
        p.drawEllipse(QPointF(), dimple * z, dimple);
        p.restore();
    }
}

void draw_ball(QPainter &p, QPointF centre, qreal radius) {
    QRadialGradient shading(centre, radius, centre + QPointF(-0.4, -0.45) * radius);
    shading.setColorAt(0, white);
    shading.setColorAt(0.5, QColor(0xF3, 0xF6, 0xF7));
    shading.setColorAt(0.85, QColor(0xD3, 0xDC, 0xE1));
    shading.setColorAt(1, QColor(0x98, 0xA8, 0xB1));
    p.setBrush(shading);
    p.drawEllipse(centre, radius, radius);
    if (radius >= 6)
        draw_dimples(p, centre, radius);
    draw_glow(p, centre + QPointF(-0.38, -0.42) * radius, radius * 0.38,
              QColor(255, 255, 255, 220));
}

// A wooden tee seen from the side; the ball sits in the dish at cup_centre.
void draw_tee(QPainter &p, QPointF cup_centre, qreal cup_width, qreal length) {
    const qreal x = cup_centre.x();
    const qreal y = cup_centre.y();
    const qreal half = cup_width / 2;
    const qreal neck = half * 0.36;
    QPainterPath tee;
    tee.moveTo(x - half, y);
    tee.quadTo(x, y + half * 0.3, x + half, y);
    tee.cubicTo(x + half * 0.9, y + half * 0.45, x + neck, y + half * 0.5, x + neck, y + half);
    tee.lineTo(x + neck * 0.8, y + length - neck * 2);
    tee.lineTo(x, y + length);
    tee.lineTo(x - neck * 0.8, y + length - neck * 2);
    tee.lineTo(x - neck, y + half);
    tee.cubicTo(x - neck, y + half * 0.5, x - half * 0.9, y + half * 0.45, x - half, y);
    QLinearGradient wood = horizontal_gradient(x - half, x + half, gold_light, gold_deep);
    wood.setColorAt(0.45, gold);
    p.setBrush(wood);
    p.drawPath(tee);
}

void draw_tuft(QPainter &p, QPointF foot, qreal width) {
    QPainterPath blades;
    for (int k = -2; k <= 2; ++k) {
        const qreal base = foot.x() + k * width / 5;
        const QPointF tip(base + k * width * 0.12, foot.y() - width * (0.55 + 0.12 * (k % 2)));
        blades.moveTo(base - width * 0.07, foot.y());
        blades.quadTo(base, foot.y() - width * 0.3, tip.x(), tip.y());
        blades.quadTo(base + width * 0.02, foot.y() - width * 0.25, base + width * 0.07, foot.y());
    }
    p.setBrush(vertical_gradient(foot.y() - width * 0.7, foot.y(), grass_light, grass_dark));
    p.drawPath(blades);
}

// A flagstick standing in the cup at foot, the gold flag waving to the right.
void draw_flag(QPainter &p, QPointF foot, qreal height) {
    const qreal pin = std::max(1.3, height * 0.035);
    const QPointF top = foot - QPointF(0, height);
    p.setBrush(horizontal_gradient(top.x() - pin / 2, top.x() + pin / 2, white, steel));
    p.drawRect(QRectF(top.x() - pin / 2, top.y(), pin, height));

    const qreal w = height * 0.46;
    const qreal h = height * 0.3;
    const qreal x = top.x() + pin / 2;
    const qreal y = top.y() + pin * 0.5;
    QPainterPath flag;
    flag.moveTo(x, y);
    flag.cubicTo(x + w * 0.35, y - h * 0.16, x + w * 0.62, y + h * 0.2, x + w, y + h * 0.04);
    flag.lineTo(x + w, y + h * 1.02);
    flag.cubicTo(x + w * 0.62, y + h * 1.18, x + w * 0.35, y + h * 0.84, x, y + h);
    flag.closeSubpath();
    QLinearGradient cloth = horizontal_gradient(x, x + w, gold_deep, gold);
    cloth.setColorAt(0.3, gold_light);
    cloth.setColorAt(0.65, gold);
    cloth.setColorAt(0.85, gold_deep);
    p.setBrush(cloth);
    p.drawPath(flag);
    p.setBrush(white);
    p.drawEllipse(top, pin * 0.9, pin * 0.9);
}

// The hole seen at a slant: dark inside, with the white liner showing on the far wall.
void draw_cup(QPainter &p, QPointF centre, qreal rx, qreal ry) {
    p.setBrush(hole);
    p.drawEllipse(centre, rx, ry);
    const QPainterPath opening = ellipse_path(centre, rx, ry);
    const QPainterPath near_wall = ellipse_path(centre + QPointF(0, ry * 0.5), rx, ry);
    p.setBrush(QColor(255, 255, 255, 190));
    p.drawPath(opening.subtracted(near_wall));
}

void draw_cloud(QPainter &p, QPointF centre, qreal size) {
    QPainterPath puffs;
    puffs.setFillRule(Qt::WindingFill);
    puffs.addEllipse(centre + QPointF(-size * 0.95, size * 0.05), size * 0.6, size * 0.42);
    puffs.addEllipse(centre + QPointF(-size * 0.25, -size * 0.25), size * 0.7, size * 0.62);
    puffs.addEllipse(centre + QPointF(size * 0.6, -size * 0.02), size * 0.62, size * 0.48);
    puffs.addEllipse(centre + QPointF(size * 0.1, size * 0.15), size * 0.9, size * 0.32);
    const QRectF above_base(centre.x() - size * 2, centre.y() - size * 2, size * 4, size * 2.4);
    const QPainterPath cloud = puffs.simplified().intersected(rect_path(above_base));
    p.setBrush(vertical_gradient(centre.y() - size, centre.y() + size * 0.4,
                                 QColor(255, 255, 255, 245), with_alpha(mist, 225)));
    p.drawPath(cloud);
}

void draw_tree(QPainter &p, QPointF foot, qreal height) {
    p.setBrush(horizontal_gradient(foot.x() - height * 0.05, foot.x() + height * 0.05,
                                   bark.lighter(130), bark));
    p.drawRect(
        QRectF(foot.x() - height * 0.05, foot.y() - height * 0.5, height * 0.1, height * 0.5));
    QPainterPath crown;
    crown.setFillRule(Qt::WindingFill);
    const QPointF middle = foot - QPointF(0, height * 0.62);
    crown.addEllipse(middle + QPointF(0, -height * 0.12), height * 0.27, height * 0.27);
    crown.addEllipse(middle + QPointF(-height * 0.16, height * 0.06), height * 0.24, height * 0.22);
    crown.addEllipse(middle + QPointF(height * 0.16, height * 0.07), height * 0.24, height * 0.21);
    p.setBrush(rounded_light(middle, height * 0.45, grass_light, grass, grass_dark));
    p.drawPath(crown.simplified());
}

// A row of treetops along the horizon, irregular but the same every time. The crowns are
// opaque and share one gradient, so painting them one by one leaves no seams.
void draw_tree_line(QPainter &p, qreal left, qreal right, qreal base, qreal height,
                    const QColor &colour) {
    p.setBrush(vertical_gradient(base - height, base, colour.lighter(118), colour));
    p.drawRect(QRectF(left, base - height * 0.4, right - left, height * 0.4));
    int i = 0;
    for (qreal x = left + height * 0.2; x < right; x += height * 0.5, ++i) {
        const qreal r = height * (0.3 + 0.08 * std::sin(i * 2.3));
        const qreal top = base - height * (0.78 + 0.22 * std::sin(i * 1.7 + 0.5));
        p.drawEllipse(QPointF(x, top + r), r, r);
    }
}

// Ground from the left edge to the right edge, bulging through the peak.
QPainterPath hill_path(qreal width, qreal left_y, QPointF peak, qreal right_y, qreal bottom) {
    QPainterPath hill;
    hill.moveTo(0, left_y);
    hill.quadTo(peak.x(), 2 * peak.y() - (left_y + right_y) / 2, width, right_y);
    hill.lineTo(width, bottom);
    hill.lineTo(0, bottom);
    hill.closeSubpath();
    return hill;
}

void draw_sky(QPainter &p, const QRectF &area, qreal horizon, const QColor &low = sky_low) {
    p.setBrush(vertical_gradient(area.top(), horizon, sky_high, low));
    p.drawRect(area);
}

void draw_rolling_ground(QPainter &p, qreal width, qreal bottom, qreal ground) {
    p.setBrush(vertical_gradient(ground - 24, ground, haze, grass_light));
    p.drawPath(
        hill_path(width, ground - 12, QPointF(width * 0.68, ground - 22), ground - 8, bottom));
    p.setBrush(vertical_gradient(ground - 8, bottom, grass_light, grass_dark));
    p.drawPath(hill_path(width, ground - 3, QPointF(width * 0.28, ground - 8), ground + 1, bottom));
}

// Horizontal bands across a mown strip, closer together towards the horizon.
void draw_mowing_bands(QPainter &p, const QPainterPath &strip, qreal far_y, qreal near_y, int bands,
                       const QColor &colour) {
    const QRectF bounds = strip.boundingRect();
    p.setBrush(colour);
    for (int k = 0; k < bands; k += 2) {
        const qreal top = far_y + (near_y - far_y) * std::pow(qreal(k) / bands, 1.7);
        const qreal bottom = far_y + (near_y - far_y) * std::pow(qreal(k + 1) / bands, 1.7);
        p.drawPath(
            strip.intersected(rect_path(QRectF(bounds.left(), top, bounds.width(), bottom - top))));
    }
}

void draw_fairway(QPainter &p, const QPainterPath &fairway, qreal far_y, qreal near_y) {
    p.setBrush(vertical_gradient(far_y, near_y, grass_light.lighter(108), grass_light));
    p.drawPath(fairway);
    draw_mowing_bands(p, fairway, far_y, near_y, 12, QColor(0x8B, 0xD6, 0x60));
}

void draw_putting_green(QPainter &p, QPointF centre, qreal rx, qreal ry) {
    p.setBrush(grass_light.darker(105));
    p.drawEllipse(centre + QPointF(0, ry * 0.08), rx * 1.08, ry * 1.15);
    p.save();
    p.translate(centre);
    p.scale(1, ry / rx);
    p.setBrush(rounded_light(QPointF(), rx, putting_green.lighter(110), putting_green,
                             QColor(0x86, 0xCF, 0x5A)));
    p.drawEllipse(QPointF(), rx, rx);
    p.restore();
}

void draw_bunker(QPainter &p, QPointF centre, qreal rx, qreal ry) {
    QPainterPath bunker;
    bunker.moveTo(centre.x() - rx, centre.y());
    bunker.cubicTo(centre.x() - rx, centre.y() - ry * 1.3, centre.x() - rx * 0.1,
                   centre.y() - ry * 0.6, centre.x() + rx * 0.2, centre.y() - ry);
    bunker.cubicTo(centre.x() + rx * 0.8, centre.y() - ry * 1.4, centre.x() + rx * 1.1,
                   centre.y() + ry * 0.9, centre.x() + rx * 0.3, centre.y() + ry);
    bunker.cubicTo(centre.x() - rx * 0.3, centre.y() + ry * 1.1, centre.x() - rx,
                   centre.y() + ry * 0.9, centre.x() - rx, centre.y());
    p.setBrush(vertical_gradient(centre.y() - ry, centre.y() + ry, sand_shade, sand));
    p.drawPath(bunker);
    // the lip throws a shadow onto the sand
    p.setBrush(sand);
    p.drawPath(bunker.translated(rx * 0.08, ry * 0.5).intersected(bunker));
}

// The faces are rounded cards; drawing happens on the full rectangle and the corners are
// cut afterwards so their edge stays antialiased.
QPainterPath face_outline() {
    return rounded_rect_path(QRectF(0.5, 0.5, face_size.width() - 1, face_size.height() - 1), 10);
}

QRectF face_rect() {
    return QRectF(QPointF(0, 0), face_size);
}

void finish_face(QPainter &p) {
    const QPainterPath outline = face_outline();
    p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    p.setBrush(Qt::black);
    p.drawPath(outline);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    stroke(p, outline, with_alpha(forest, 170), 1.2);
}

void draw_face_landscape(QPainter &p, qreal ground) {
    draw_sky(p, face_rect(), ground);
    draw_rolling_ground(p, face_size.width(), face_size.height(), ground);
}

void draw_about_face(QPainter &p) {
    draw_face_landscape(p, 100);
    draw_cloud(p, QPointF(68, 18), 7);
    draw_glow(p, QPointF(42.5, 46), 36, QColor(255, 255, 255, 150));
    // the ball is the dot of an "i" whose stem is the tee
    draw_shadow(p, QPointF(42.5, 101), 10, 2.5);
    draw_tee(p, QPointF(42.5, 53), 26, 52);
    draw_ball(p, QPointF(42.5, 39), 14);
    draw_tuft(p, QPointF(38, 103), 9);
    draw_tuft(p, QPointF(48, 104), 8);
    finish_face(p);
}

// A pictogram golfer at the end of the swing, weight on the front foot.
void draw_golfer(QPainter &p) {
    const QColor body = forest;
    stroke(p, polyline({{21, 49}, {46, 32}}), steel.darker(110), 1.6);
    p.setBrush(steel.darker(120));
    p.drawEllipse(QPointF(20, 50), 3.2, 2.2);
    stroke(p, polyline({{45, 72}, {50, 86}, {51, 100}}), body, 7);
    stroke(p, polyline({{42, 72}, {39, 87}, {32, 99}}), body, 7);
    QPainterPath torso;
    torso.moveTo(44, 71);
    torso.quadTo(45, 60, 40, 51);
    stroke(p, torso, body, 11);
    stroke(p, polyline({{41, 52}, {53, 45}, {47, 34}}), body, 5);
    p.setBrush(body);
    p.drawEllipse(QPointF(37.5, 41), 6.2, 6.2);
    QPainterPath cap;
    cap.moveTo(31.5, 40);
    cap.quadTo(32, 33.5, 38, 34);
    cap.quadTo(43.5, 34.5, 44, 39.5);
    cap.lineTo(48.5, 40.5);
    cap.quadTo(44, 41.5, 31.5, 40);
    p.setBrush(vertical_gradient(34, 41, gold_light, gold_deep));
    p.drawPath(cap);
    // the feet, so the figure stands rather than hovers
    p.setBrush(body);
    p.drawRoundedRect(QRectF(48, 98.5, 8, 3.5), 1.5, 1.5);
    p.drawEllipse(QPointF(31, 100), 2.6, 2);
}

void draw_golfer_face(QPainter &p) {
    draw_face_landscape(p, 102);
    draw_cloud(p, QPointF(22, 22), 7);
    QPainterPath flight;
    flight.moveTo(54, 99);
    flight.quadTo(66, 14, 74, 26);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.2, Qt::DashLine, Qt::RoundCap));
    p.drawPath(flight);
    p.restore();
    draw_ball(p, QPointF(74, 26), 3);
    draw_shadow(p, QPointF(43, 101.5), 16, 2.5);
    draw_golfer(p);
    finish_face(p);
}

QFont small_font(int pixel_size, bool bold) {
    QFont font("DejaVu Sans");
    font.setPixelSize(pixel_size);
    font.setBold(bold);
    return font;
}

// The card's rows: hole numbers on the left, the scores pencilled in on the right, a birdie
// ringed in gold.
void draw_score_rows(QPainter &p, const QRectF &rows, int filled) {
    const int count = 6;
    const qreal height = rows.height() / count;
    const qreal divider = rows.left() + rows.width() * 0.32;
    const int scores[count] = {4, 5, 3, 4, 4, 3};
    p.save();
    p.setPen(QPen(with_alpha(steel, 150), 0.6));
    for (int row = 1; row < count; ++row)
        p.drawLine(QPointF(rows.left(), rows.top() + row * height),
                   QPointF(rows.right(), rows.top() + row * height));
    p.drawLine(QPointF(divider, rows.top()), QPointF(divider, rows.bottom()));
    for (int row = 0; row < count; ++row) {
        const QRectF number(rows.left(), rows.top() + row * height, divider - rows.left(), height);
        const QRectF score(divider, number.top(), rows.right() - divider, height);
        p.setFont(small_font(int(height * 0.62), false));
        p.setPen(steel.darker(130));
        p.drawText(number, Qt::AlignCenter, QString::number(row + 1));
        if (row >= filled)
            continue;
        p.setFont(small_font(int(height * 0.72), true));
        p.setPen(forest);
        p.drawText(score, Qt::AlignCenter, QString::number(scores[row]));
    }
    const QRectF birdie(divider, rows.top() + 2 * height, rows.right() - divider, height);
    p.setPen(QPen(gold_deep, 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(birdie.center(), height * 0.5, height * 0.42);
    p.restore();
}

void draw_scorecard(QPainter &p, const QRectF &card, int filled) {
    draw_shadow(p, card.center() + QPointF(2, 3), card.width() * 0.62, card.height() * 0.58, 70);
    p.setBrush(vertical_gradient(card.top(), card.bottom(), white, mist));
    p.drawRoundedRect(card, 3, 3);
    const qreal header = card.height() * 0.15;
    QPainterPath top_band;
    top_band.addRoundedRect(card, 3, 3);
    top_band =
        top_band.intersected(rect_path(QRectF(card.topLeft(), QSizeF(card.width(), header))));
    p.setBrush(vertical_gradient(card.top(), card.top() + header, grass, grass_dark));
    p.drawPath(top_band);
    p.setBrush(white);
    p.drawPath(text_path("SCORE", "DejaVu Sans", int(header * 0.55),
                         QPointF(card.center().x(), card.top() + header * 0.52)));
    p.setBrush(gold);
    p.drawRect(QRectF(card.left(), card.top() + header, card.width(), 1.2));
    draw_score_rows(p, card.adjusted(3, header + 3, -3, -3), filled);
}

// A gold pencil lying along the angle, its point at tip.
void draw_pencil(QPainter &p, QPointF tip, qreal angle, qreal length, qreal width) {
    p.save();
    p.translate(tip);
    p.rotate(angle);
    const qreal half = width / 2;
    const qreal point = length * 0.17;
    const qreal ferrule = length * 0.84;
    const qreal eraser = length * 0.9;
    p.setBrush(vertical_gradient(-half, half, sand, sand_shade));
    p.drawPath(polyline({{0, 0}, {point, -half}, {point, half}, {0, 0}}));
    p.setBrush(forest);
    p.drawPath(polyline({{0, 0}, {point * 0.35, -half * 0.35}, {point * 0.35, half * 0.35}}));
    QLinearGradient facets(0, -half, 0, half);
    facets.setColorAt(0, gold_light);
    facets.setColorAt(0.33, gold_light);
    facets.setColorAt(0.34, gold);
    facets.setColorAt(0.66, gold);
    facets.setColorAt(0.67, gold_deep);
    facets.setColorAt(1, gold_deep);
    p.setBrush(facets);
    p.drawPath(polyline({{point, -half}, {ferrule, -half}, {ferrule, half}, {point, half}}));
    p.setBrush(vertical_gradient(-half, half, white, steel.darker(115)));
    p.drawRect(QRectF(ferrule, -half, eraser - ferrule, width));
    p.setBrush(vertical_gradient(-half, half, white, mist.darker(115)));
    p.drawRoundedRect(QRectF(eraser, -half, length - eraser, width), half * 0.6, half * 0.6);
    p.restore();
}

void draw_round_face(QPainter &p) {
    draw_face_landscape(p, 106);
    draw_cloud(p, QPointF(64, 14), 6);
    p.save();
    p.translate(40, 60);
    p.rotate(-7);
    draw_scorecard(p, QRectF(-25, -40, 50, 76), 4);
    p.restore();
    draw_pencil(p, QPointF(50, 79), -52, 50, 6);
    finish_face(p);
}

QPainterPath courses_fairway() {
    QPainterPath fairway;
    fairway.moveTo(6, 122);
    fairway.cubicTo(10, 96, 30, 84, 30, 66);
    fairway.quadTo(48, 58, 66, 64);
    fairway.cubicTo(66, 82, 80, 94, 84, 122);
    fairway.closeSubpath();
    return fairway;
}

void draw_courses_face(QPainter &p) {
    const qreal horizon = 48;
    draw_sky(p, face_rect(), horizon);
    draw_cloud(p, QPointF(22, 16), 7);
    draw_tree_line(p, 0, 85, horizon + 2, 12, tree_line);
    p.setBrush(vertical_gradient(horizon, face_size.height(), grass, grass_dark));
    p.drawRect(QRectF(0, horizon, face_size.width(), face_size.height() - horizon));
    draw_fairway(p, courses_fairway(), horizon + 10, face_size.height());
    draw_putting_green(p, QPointF(47, 62), 23, 8);
    draw_bunker(p, QPointF(20, 76), 10, 4);
    draw_bunker(p, QPointF(72, 60), 7, 2.6);
    draw_cup(p, QPointF(51, 62), 2.2, 0.9);
    draw_flag(p, QPointF(51, 62), 36);
    finish_face(p);
}

void draw_bar(QPainter &p, const QRectF &bar, const QColor &lit, const QColor &shade) {
    draw_shadow(p, QPointF(bar.center().x() + 2, bar.bottom()), bar.width() * 0.8, 2.2, 70);
    QPainterPath shape;
    shape.addRoundedRect(bar, 2, 2);
    shape = shape.united(rect_path(bar.adjusted(0, 3, 0, 0)));
    p.setBrush(horizontal_gradient(bar.left(), bar.right(), lit, shade));
    p.drawPath(shape);
}

void draw_stats_face(QPainter &p) {
    draw_face_landscape(p, 102);
    p.save();
    p.setPen(QPen(QColor(255, 255, 255, 110), 0.8));
    for (qreal y = 34; y < 96; y += 15)
        p.drawLine(QPointF(10, y), QPointF(75, y));
    p.restore();
    draw_putting_green(p, QPointF(42.5, 100), 38, 8);
    const qreal floor = 100;
    const std::array<qreal, 4> heights = {24, 38, 30, 50};
    for (int k = 0; k < 4; ++k) {
        const QRectF bar(14 + k * 15, floor - heights[k], 11, heights[k]);
        if (k == 3)
            draw_bar(p, bar, gold_light, gold_deep);
        else
            draw_bar(p, bar, white, mist.darker(112));
    }
    draw_flag(p, QPointF(59 + 5.5, floor - heights[3]), 22);
    finish_face(p);
}

void draw_wheel(QPainter &p, QPointF centre, qreal radius) {
    p.setBrush(QColor(0x1E, 0x26, 0x22));
    p.drawEllipse(centre, radius, radius);
    p.setBrush(rounded_light(centre, radius * 0.5, white, mist, steel));
    p.drawEllipse(centre, radius * 0.5, radius * 0.5);
    p.setBrush(steel.darker(130));
    p.drawEllipse(centre, radius * 0.15, radius * 0.15);
}

// A golf cart from the side, heading right, with the ground under its back end at the origin.
void draw_cart(QPainter &p) {
    draw_shadow(p, QPointF(27, 0), 28, 2.5);
    // the bag strapped on the back
    p.setBrush(horizontal_gradient(-2, 6, gold_light, gold_deep));
    p.drawRoundedRect(QRectF(-2, -33, 8, 20), 2, 2);
    stroke(p, polyline({{0, -33}, {-1, -37}}), steel, 1.2);
    stroke(p, polyline({{3, -33}, {4, -38}}), steel, 1.2);
    p.setBrush(white);
    p.drawEllipse(QPointF(1.5, -37), 2.2, 1.8);
    // canopy on its posts, with the windscreen in front
    stroke(p, polyline({{9, -18}, {8, -40}}), steel, 1.4);
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawPath(polyline({{38, -18}, {42, -40}, {44, -40}, {41, -18}}));
    stroke(p, polyline({{38, -18}, {42, -40}}), steel, 1.4);
    p.setBrush(vertical_gradient(-43, -38, grass, forest));
    p.drawRoundedRect(QRectF(3, -43, 44, 4.5), 2, 2);
    // seat and wheel
    p.setBrush(forest);
    p.drawRoundedRect(QRectF(13, -31, 4, 14), 1.5, 1.5);
    p.drawRoundedRect(QRectF(13, -21, 17, 4), 1.5, 1.5);
    stroke(p, polyline({{34, -19}, {30, -28}}), forest, 1.4);
    stroke(p, polyline({{28, -29}, {32, -27}}), forest, 2);
    QPainterPath body;
    body.moveTo(1, -7);
    body.lineTo(1, -18);
    body.lineTo(34, -18);
    body.quadTo(50, -20, 53, -9);
    body.lineTo(53, -7);
    body.closeSubpath();
    body = body.subtracted(ellipse_path(QPointF(12, -6), 7.5, 7.5));
    body = body.subtracted(ellipse_path(QPointF(42, -6), 7.5, 7.5));
    p.setBrush(vertical_gradient(-18, -7, white, mist.darker(110)));
    p.drawPath(body);
    p.setBrush(gold);
    p.drawPath(body.intersected(rect_path(QRectF(0, -14, 56, 2))));
    p.setBrush(gold_light);
    p.drawEllipse(QPointF(51.5, -13.5), 1.3, 1.3);
    draw_wheel(p, QPointF(12, -6), 6);
    draw_wheel(p, QPointF(42, -6), 6);
}

// Three birds heading home in the evening.
void draw_birds(QPainter &p) {
    for (const QPointF &bird : {QPointF(50, 44), QPointF(60, 38), QPointF(57, 50)}) {
        QPainterPath wings;
        wings.moveTo(bird + QPointF(-3.5, -1));
        wings.quadTo(bird + QPointF(-1.5, -2.5), bird);
        wings.quadTo(bird + QPointF(1.5, -2.5), bird + QPointF(3.5, -1));
        stroke(p, wings, with_alpha(forest, 200), 0.9);
    }
}

void draw_bye_face(QPainter &p) {
    const qreal horizon = 92;
    draw_sky(p, face_rect(), horizon - 14, sunset);
    const QPointF sun(62, 74);
    draw_glow(p, sun, 26, with_alpha(gold_light, 210));
    p.setBrush(rounded_light(sun, 10, gold_light, gold, gold));
    p.drawEllipse(sun, 10, 10);
    draw_cloud(p, QPointF(24, 24), 7);
    draw_birds(p);
    draw_rolling_ground(p, face_size.width(), face_size.height(), horizon + 6);
    QPainterPath cart_path;
    cart_path.moveTo(0, 104);
    cart_path.quadTo(42, 98, 85, 100);
    cart_path.lineTo(85, 110);
    cart_path.quadTo(42, 108, 0, 114);
    cart_path.closeSubpath();
    p.setBrush(vertical_gradient(98, 114, sand, sand_shade));
    p.drawPath(cart_path);
    for (int k = 0; k < 3; ++k) {
        const qreal y = 78 + k * 7;
        stroke(p, polyline({{3.0 + k * 2, y}, {11.0 + k * 2, y}}), QColor(255, 255, 255, 200), 1.4);
    }
    p.save();
    p.translate(15, 106);
    p.scale(0.84, 0.84);
    draw_cart(p);
    p.restore();
    finish_face(p);
}

void draw_help_face(QPainter &p) {
    draw_face_landscape(p, 102);
    draw_glow(p, QPointF(42.5, 56), 42, QColor(255, 255, 255, 120));
    draw_shadow(p, QPointF(42.5, 102), 12, 2.5);
    draw_tee(p, QPointF(42.5, 88), 18, 16);
    draw_ball(p, QPointF(42.5, 57), 31);
    p.setBrush(forest);
    p.drawPath(text_path("?", "DejaVu Sans", 50, QPointF(43, 57)));
    draw_tuft(p, QPointF(40, 105), 8);
    finish_face(p);
}

// A shield with a rounded top and a point at the bottom.
QPainterPath shield_path(const QRectF &box) {
    const qreal shoulder = box.top() + box.height() * 0.55;
    QPainterPath shield;
    shield.moveTo(box.left(), box.top() + box.height() * 0.08);
    shield.quadTo(box.center().x(), box.top() - box.height() * 0.08, box.right(),
                  box.top() + box.height() * 0.08);
    shield.lineTo(box.right(), shoulder);
    shield.quadTo(box.right(), box.bottom() - box.height() * 0.12, box.center().x(), box.bottom());
    shield.quadTo(box.left(), box.bottom() - box.height() * 0.12, box.left(), shoulder);
    shield.closeSubpath();
    return shield;
}

// An iron lying from its grip at the top to its gold head at the bottom.
void draw_club(QPainter &p, QPointF grip, QPointF head, bool head_to_right) {
    const QPointF along = (head - grip) / std::hypot(head.x() - grip.x(), head.y() - grip.y());
    stroke(p, polyline({grip, head}), horizontal_gradient(grip.x(), head.x(), white, steel), 2);
    stroke(p, polyline({grip, grip + along * 10}), forest, 3.4);
    const qreal side = head_to_right ? 1 : -1;
    QPainterPath blade;
    blade.moveTo(head + QPointF(-side * 1.5, -3));
    blade.lineTo(head + QPointF(side * 7, 1));
    blade.quadTo(head + QPointF(side * 9, 4.5), head + QPointF(side * 5, 4.5));
    blade.lineTo(head + QPointF(-side * 1.5, 2.5));
    blade.closeSubpath();
    p.setBrush(vertical_gradient(head.y() - 3, head.y() + 4.5, gold_light, gold_deep));
    p.drawPath(blade);
}

void draw_logo(QPainter &p) {
    p.setBrush(
        rounded_light(QPointF(42.5, 50), 80, grass_dark.lighter(120), forest, forest.darker(140)));
    p.drawRect(face_rect());
    stroke(p, rounded_rect_path(QRectF(4, 4, 77, 114), 7), with_alpha(gold, 200), 0.8);

    const QPainterPath shield = shield_path(QRectF(17, 11, 51, 62));
    p.setBrush(vertical_gradient(11, 73, sky_high.lighter(115), sky_low));
    p.drawPath(shield);
    p.setBrush(vertical_gradient(52, 73, grass_light, grass));
    p.drawPath(shield.intersected(hill_path(85, 56, QPointF(42, 48), 58, 80)));
    stroke(p, shield, vertical_gradient(11, 73, gold_light, gold_deep), 2.6);

    draw_club(p, QPointF(27, 20), QPointF(52, 58), true);
    draw_club(p, QPointF(58, 20), QPointF(33, 58), false);
    draw_shadow(p, QPointF(43.5, 50), 9, 3, 60);
    draw_ball(p, QPointF(42.5, 39), 8.5);

    const QPainterPath name = text_path("Tavicor", "DejaVu Serif", 17, QPointF(42.5, 92));
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawPath(name.translated(0, 1));
    p.setBrush(white);
    p.drawPath(name);
    p.setBrush(horizontal_gradient(16, 69, with_alpha(gold, 0), gold));
    p.drawRect(QRectF(16, 103, 21, 1));
    p.setBrush(horizontal_gradient(48, 69, gold, with_alpha(gold, 0)));
    p.drawRect(QRectF(48, 103, 21, 1));
    p.setBrush(gold);
    p.drawEllipse(QPointF(42.5, 103.5), 2, 2);
    finish_face(p);
}

QPainterPath winding_fairway() {
    QPainterPath fairway;
    fairway.moveTo(14, 122);
    fairway.cubicTo(20, 102, 58, 96, 54, 80);
    fairway.cubicTo(50, 68, 40, 62, 52, 56);
    fairway.quadTo(66, 52, 72, 58);
    fairway.cubicTo(66, 64, 74, 74, 76, 84);
    fairway.cubicTo(80, 102, 64, 108, 70, 122);
    fairway.closeSubpath();
    return fairway;
}

void draw_pond(QPainter &p, QPointF centre, qreal rx, qreal ry) {
    p.setBrush(grass_dark);
    p.drawEllipse(centre + QPointF(0, 0.6), rx + 1.2, ry + 1);
    p.setBrush(vertical_gradient(centre.y() - ry, centre.y() + ry, water.darker(115), sky_low));
    p.drawEllipse(centre, rx, ry);
    p.save();
    p.setPen(QPen(QColor(255, 255, 255, 170), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPointF(-rx * 0.5, -ry * 0.2), centre + QPointF(-rx * 0.1, -ry * 0.2));
    p.drawLine(centre + QPointF(rx * 0.05, ry * 0.3), centre + QPointF(rx * 0.5, ry * 0.3));
    p.restore();
}

void draw_fairway_banner(QPainter &p) {
    const qreal horizon = 46;
    draw_sky(p, face_rect(), horizon);
    draw_cloud(p, QPointF(20, 14), 8);
    draw_cloud(p, QPointF(70, 28), 5);
    p.setBrush(vertical_gradient(horizon - 10, horizon, haze.lighter(108), haze));
    p.drawPath(hill_path(85, horizon - 4, QPointF(30, horizon - 12), horizon - 2, horizon + 4));
    draw_tree_line(p, 0, 85, horizon + 4, 10, tree_line);
    p.setBrush(vertical_gradient(horizon, 122, grass, grass_dark));
    p.drawRect(QRectF(0, horizon + 2, 85, 122 - horizon));
    draw_fairway(p, winding_fairway(), horizon + 8, 122);
    draw_pond(p, QPointF(24, 82), 15, 5);
    draw_putting_green(p, QPointF(62, 55), 12, 4);
    draw_bunker(p, QPointF(46, 60), 5, 2);
    draw_flag(p, QPointF(63, 55), 18);
    draw_tree(p, QPointF(8, 112), 44);
    draw_tree(p, QPointF(80, 76), 22);
}

// A round gold tee marker, as set out on either side of the tee box.
void draw_tee_marker(QPainter &p, QPointF centre, qreal radius) {
    draw_shadow(p, centre + QPointF(1.5, radius * 0.9), radius * 1.4, radius * 0.35);
    p.setBrush(rounded_light(centre, radius, gold_light, gold, gold_deep));
    p.drawEllipse(centre, radius, radius);
}

void draw_tee_banner(QPainter &p) {
    const qreal horizon = 44;
    draw_sky(p, face_rect(), horizon);
    draw_cloud(p, QPointF(62, 14), 8);
    draw_cloud(p, QPointF(16, 30), 5);
    draw_tree_line(p, 0, 85, horizon + 3, 11, tree_line);
    p.setBrush(vertical_gradient(horizon, 122, grass, grass_dark));
    p.drawRect(QRectF(0, horizon + 1, 85, 122 - horizon));
    const QPainterPath fairway =
        polyline({{36, horizon + 3}, {50, horizon + 3}, {92, 96}, {-8, 96}});
    draw_fairway(p, fairway, horizon + 3, 96);
    draw_putting_green(p, QPointF(43, horizon + 4), 6, 1.6);
    draw_flag(p, QPointF(44, horizon + 4), 9);
    const QPainterPath tee_box = polyline({{8, 88}, {77, 88}, {88, 122}, {-3, 122}});
    p.setBrush(grass_dark);
    p.drawPath(tee_box.translated(0, -1.2));
    p.setBrush(vertical_gradient(88, 122, putting_green, grass_light));
    p.drawPath(tee_box);
    draw_mowing_bands(p, tee_box, 88, 122, 6, with_alpha(white, 40));
    draw_tee_marker(p, QPointF(17, 93), 4.5);
    draw_tee_marker(p, QPointF(68, 93), 4.5);
    draw_shadow(p, QPointF(44, 113), 8, 1.8);
    draw_tee(p, QPointF(42.5, 104), 8, 10);
    draw_ball(p, QPointF(42.5, 98.5), 6);
    draw_tuft(p, QPointF(42, 116), 6);
}

void draw_iron(QPainter &p, QPointF from, QPointF head, qreal side) {
    stroke(p, polyline({from, head}), steel, 1.5);
    QPainterPath blade = polyline({head + QPointF(-side, -1), head + QPointF(side * 6, -2),
                                   head + QPointF(side * 6.5, 1.5), head + QPointF(-side, 2)});
    p.setBrush(vertical_gradient(head.y() - 2, head.y() + 2, white, steel.darker(115)));
    p.drawPath(blade);
}

// A knitted cover on a wood: a bulb on a sock, leaning out of the bag at the angle.
void draw_head_cover(QPainter &p, QPointF collar, qreal angle, const QColor &lit, const QColor &mid,
                     const QColor &dark, const QColor &pompom) {
    p.save();
    p.translate(collar);
    p.rotate(angle);
    QPainterPath cover;
    cover.moveTo(-3.5, 0);
    cover.lineTo(-3.5, -8);
    cover.cubicTo(-8, -10, -8, -22, 0, -22);
    cover.cubicTo(8, -22, 8, -10, 3.5, -8);
    cover.lineTo(3.5, 0);
    cover.closeSubpath();
    p.setBrush(horizontal_gradient(-7, 7, lit, dark));
    p.drawPath(cover);
    p.setBrush(with_alpha(mid.darker(115), 200));
    p.drawRect(QRectF(-3.5, -7, 7, 2));
    p.setBrush(rounded_light(QPointF(0, -22), 3, white, pompom, pompom.darker(120)));
    p.drawEllipse(QPointF(0, -22), 2.8, 2.8);
    p.restore();
}

// Irons and head-covered woods standing in the bag's collar.
void draw_bag_clubs(QPainter &p) {
    draw_iron(p, QPointF(33, 44), QPointF(26, 22), -1);
    draw_iron(p, QPointF(52, 44), QPointF(59, 20), 1);
    draw_head_cover(p, QPointF(36, 44), -14, gold_light, gold, gold_deep, white);
    draw_head_cover(p, QPointF(49, 44), 15, grass_light, grass, grass_dark, gold);
    draw_head_cover(p, QPointF(42.5, 42), 0, white, mist, steel, gold);
}

// A stand bag; its legs splay out behind so it stands on its own.
void draw_bag(QPainter &p) {
    stroke(p, polyline({{33, 60}, {22, 103}}), steel.darker(115), 1.8);
    stroke(p, polyline({{52, 60}, {63, 103}}), steel.darker(115), 1.8);
    p.setBrush(hole);
    p.drawEllipse(QPointF(42.5, 44), 14, 3.5);
    draw_bag_clubs(p);
    QPainterPath body;
    body.moveTo(28.5, 44);
    body.lineTo(56.5, 44);
    body.lineTo(54.5, 100);
    body.quadTo(54.5, 104, 50.5, 104);
    body.lineTo(34.5, 104);
    body.quadTo(30.5, 104, 30.5, 100);
    body.closeSubpath();
    QLinearGradient cloth = horizontal_gradient(28.5, 56.5, grass_light, forest);
    cloth.setColorAt(0.35, grass);
    p.setBrush(cloth);
    p.drawPath(body);
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawPath(body.intersected(rect_path(QRectF(32, 48, 2.5, 50))));
    p.setBrush(vertical_gradient(62, 86, grass, grass_dark));
    p.drawRoundedRect(QRectF(37, 62, 15, 24), 4, 4);
    stroke(p, polyline({{39, 66}, {50, 66}}), gold, 1);
    const QLinearGradient brass = horizontal_gradient(28, 57, gold_light, gold_deep);
    p.setBrush(brass);
    p.drawPath(body.intersected(rect_path(QRectF(28, 94, 30, 10))));
    p.drawRoundedRect(QRectF(27, 42, 31, 6), 2.5, 2.5);
    QPainterPath strap;
    strap.moveTo(56, 52);
    strap.cubicTo(64, 58, 64, 80, 55, 88);
    stroke(p, strap, gold_deep, 2.8);
}

void draw_bag_banner(QPainter &p) {
    draw_sky(p, face_rect(), 98);
    draw_cloud(p, QPointF(20, 14), 7);
    draw_cloud(p, QPointF(72, 46), 5);
    draw_tree(p, QPointF(74, 94), 34);
    draw_rolling_ground(p, 85, 122, 100);
    draw_shadow(p, QPointF(43, 104), 24, 3);
    draw_bag(p);
    draw_ball(p, QPointF(16, 108), 4);
    draw_tuft(p, QPointF(70, 112), 9);
}

void draw_putting_banner(QPainter &p) {
    const qreal horizon = 42;
    draw_sky(p, face_rect(), horizon);
    draw_cloud(p, QPointF(18, 12), 6);
    draw_tree_line(p, 0, 85, horizon + 4, 22, tree_line);
    QPainterPath surface;
    surface.moveTo(0, horizon + 2);
    surface.quadTo(42, horizon - 4, 85, horizon + 4);
    surface.lineTo(85, 122);
    surface.lineTo(0, 122);
    surface.closeSubpath();
    p.setBrush(
        vertical_gradient(horizon, 122, putting_green.lighter(108), QColor(0x7E, 0xC9, 0x55)));
    p.drawPath(surface);
    draw_mowing_bands(p, surface, horizon, 122, 10, with_alpha(white, 28));
    draw_cup(p, QPointF(50, 92), 11, 3.6);
    draw_flag(p, QPointF(50, 92), 74);
    QPainterPath track;
    track.moveTo(4, 122);
    track.quadTo(18, 106, 28, 98);
    stroke(p, track, QColor(255, 255, 255, 60), 2.4);
    draw_shadow(p, QPointF(32, 101.5), 8, 2);
    draw_ball(p, QPointF(30.5, 96.5), 6);
}

void draw_window(QPainter &p, const QRectF &window) {
    p.setBrush(white);
    p.drawRect(window.adjusted(-1, -1, 1, 1));
    p.setBrush(vertical_gradient(window.top(), window.bottom(), sky_high, sky_low));
    p.drawRect(window);
    p.setBrush(white);
    p.drawRect(QRectF(window.center().x() - 0.4, window.top(), 0.8, window.height()));
    p.drawRect(QRectF(window.left(), window.center().y() - 0.4, window.width(), 0.8));
}

void draw_clubhouse(QPainter &p) {
    const QRectF walls(10, 64, 65, 32);
    p.setBrush(horizontal_gradient(walls.left(), walls.right(), white, mist.darker(108)));
    p.drawRect(walls);
    p.setBrush(vertical_gradient(48, 66, grass, forest));
    p.drawPath(polyline({{4, 66}, {18, 50}, {67, 50}, {81, 66}}));
    p.setBrush(white);
    p.drawPath(polyline({{29, 66}, {42.5, 44}, {56, 66}}));
    p.setBrush(forest);
    p.drawPath(polyline({{26, 67}, {42.5, 40}, {59, 67}, {55, 67}, {42.5, 46}, {30, 67}}));
    draw_window(p, QRectF(15, 72, 8, 9));
    draw_window(p, QRectF(62, 72, 8, 9));
    draw_window(p, QRectF(39.5, 53, 6, 6));
    p.setBrush(vertical_gradient(76, 96, grass_dark, forest));
    p.drawRoundedRect(QRectF(37.5, 76, 10, 20), 4, 4);
    p.setBrush(gold);
    p.drawEllipse(QPointF(45.5, 87), 0.9, 0.9);
    p.setBrush(gold_deep);
    p.drawRect(QRectF(29, 69, 27, 2.5));
    draw_flag(p, QPointF(42.5, 40), 20);
}

void draw_clubhouse_banner(QPainter &p) {
    draw_sky(p, face_rect(), 92);
    draw_cloud(p, QPointF(64, 16), 7);
    draw_tree(p, QPointF(9, 82), 38);
    draw_tree(p, QPointF(78, 80), 34);
    draw_rolling_ground(p, 85, 122, 98);
    draw_clubhouse(p);
    p.setBrush(vertical_gradient(96, 122, sand, sand_shade));
    p.drawPath(polyline({{38, 96}, {47, 96}, {58, 122}, {27, 122}}));
    for (qreal x : {14.0, 25.0, 60.0, 71.0}) {
        p.setBrush(rounded_light(QPointF(x, 95), 6, grass_light, grass, grass_dark));
        p.drawEllipse(QPointF(x, 96), 6, 4.5);
    }
}

// The about strip, seen from the side: sky, tree line, the fairway and the green.
void draw_about_strip(QPainter &p) {
    const qreal width = about_size.width();
    const qreal height = about_size.height();
    const qreal horizon = 66;
    draw_sky(p, QRectF(0, 0, width, height), horizon);
    draw_cloud(p, QPointF(70, 20), 11);
    draw_cloud(p, QPointF(250, 14), 8);
    draw_cloud(p, QPointF(390, 28), 10);
    p.setBrush(vertical_gradient(40, horizon, haze.lighter(108), haze));
    p.drawPath(hill_path(width, 54, QPointF(180, 38), 50, horizon + 4));
    draw_tree_line(p, 0, width, horizon + 2, 16, tree_line);
    for (const QPointF &tree :
         {QPointF(40, 44), QPointF(150, 38), QPointF(300, 46), QPointF(370, 42)})
        draw_tree(p, QPointF(tree.x(), horizon + 4), tree.y());

    p.setBrush(vertical_gradient(horizon, height, grass_light, grass));
    p.drawRect(QRectF(0, horizon + 2, width, height - horizon));
    p.setBrush(QColor(0x8B, 0xD6, 0x60));
    for (qreal x = -20; x < 380; x += 56)
        p.drawPath(polyline(
            {{x + 12, horizon + 2}, {x + 40, horizon + 2}, {x + 28, height}, {x, height}}));
    p.setBrush(grass_dark);
    p.drawRect(QRectF(0, horizon, width, 2.5));
    draw_bunker(p, QPointF(330, horizon + 9), 18, 3.5);

    QPainterPath green;
    green.moveTo(width, horizon + 2);
    green.lineTo(392, horizon + 2);
    green.cubicTo(372, horizon + 10, 378, height - 10, 356, height);
    green.lineTo(width, height);
    green.closeSubpath();
    p.setBrush(grass_light.lighter(105));
    p.drawPath(green.translated(-6, 0));
    p.setBrush(vertical_gradient(horizon, height, putting_green.lighter(108), putting_green));
    p.drawPath(green);
    draw_cup(p, QPointF(458, 88), 15, 4.5);
    draw_flag(p, QPointF(458, 88), 76);
}

void draw_ball_with_shadow(QPainter &p) {
    draw_shadow(p, QPointF(24.5, 49.5), 19, 4);
    draw_ball(p, QPointF(24.5, 24), 23.5);
}

QPixmap render(QSize size, void (*draw)(QPainter &)) {
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    painter.setPen(Qt::NoPen);
    draw(painter);
    return picture;
}

} // namespace

QPixmap image_list_picture(int position) {
    static const std::array<void (*)(QPainter &), 13> drawings = {
        draw_about_face,      draw_golfer_face, draw_round_face, draw_courses_face,
        draw_stats_face,      draw_bye_face,    draw_help_face,  draw_logo,
        draw_fairway_banner,  draw_tee_banner,  draw_bag_banner, draw_putting_banner,
        draw_clubhouse_banner};
    if (position < 1 || position > int(drawings.size()))
        return QPixmap();
    static std::array<QPixmap, 13> drawn;
    QPixmap &picture = drawn[position - 1];
    if (picture.isNull())
        picture = render(face_size, drawings[position - 1]);
    return picture;
}

QPixmap about_picture() {
    static const QPixmap picture = render(about_size, draw_about_strip);
    return picture;
}

QPixmap ball_picture() {
    static const QPixmap picture = render(ball_size, draw_ball_with_shadow);
    return picture;
}
