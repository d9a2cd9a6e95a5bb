#include "Hero.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "Canvas.h"
#include "HeroColours.h"
#include "Paint.h"

namespace vorn::pictures {

namespace {

using namespace hero;  // the colours of the hero himself
constexpr uint32_t kBody = 0xF58A2A;
constexpr uint32_t kBodyLight = 0xFFC46E;
constexpr uint32_t kBoot = 0x6B3A24;
constexpr uint32_t kHair = 0x8A3A1C;

enum class Eyes { Open, Closed, Happy, Wide };
enum class Mouth { Smile, Open, Yawn, Grin, Flat };

struct HeroPose {
    double bob = 0;      // body up (negative) or down
    double stretch = 0;  // extra body height, upwards
    double widen = 0;    // extra body width
    double frontFootX = 15, backFootX = 25;
    double frontLift = 0, backLift = 0;
    double frontHandX = 11, frontHandY = 27;
    double backHandX = 29, backHandY = 27;
    Eyes eyes = Eyes::Open;
    double lookX = -1.2, lookY = 0.3;
    Mouth mouth = Mouth::Smile;
    double tailWave = 0;  // flutter of the headband's tails
};

HeroPose walkPose(int frame) {
    // Frame 2 is the still stance: both feet down, a little apart.
    const double t = 2 * std::numbers::pi * (frame - 2) / 8;
    HeroPose p;
    p.frontFootX = 20 - 5 * std::cos(t);
    p.backFootX = 20 + 5 * std::cos(t);
    p.frontLift = 2.6 * std::max(0.0, -std::sin(t));
    p.backLift = 2.6 * std::max(0.0, std::sin(t));
    p.bob = -1.2 * std::abs(std::sin(t));
    p.frontHandX = 10 + 1.5 * std::cos(t);
    p.backHandX = 30 - 1.5 * std::cos(t);
    p.frontHandY = p.backHandY = 27 + p.bob;
    p.tailWave = std::sin(t * 2);
    return p;
}

HeroPose heroPose(int pose) {
    if (pose >= 0 && pose <= 7) return walkPose(pose);
    HeroPose p = walkPose(2);
    switch (pose) {
        case 8:  // jumping or falling: feet tucked, arms up
            p.bob = -1.5;
            p.stretch = 1;
            p.frontFootX = 16;
            p.backFootX = 24.5;
            p.frontLift = 3.5;
            p.backLift = 2;
            p.frontHandX = 8.5;
            p.frontHandY = 15;
            p.backHandX = 31.5;
            p.backHandY = 14;
            p.eyes = Eyes::Wide;
            p.lookY = -0.6;
            p.mouth = Mouth::Open;
            p.tailWave = -1;
            break;
        case 9:  // a crouch, as if about to spring
            p.bob = 1.5;
            p.widen = 0.8;
            p.frontFootX = 14;
            p.backFootX = 26;
            p.frontHandX = 8.5;
            p.frontHandY = 28;
            p.backHandX = 31.5;
            p.backHandY = 28;
            p.mouth = Mouth::Flat;
            p.lookY = 0.8;
            break;
        case 10:
            p.eyes = Eyes::Closed;
            break;
        case 11:  // a glance back over the shoulder
            p.lookX = 1.4;
            p.mouth = Mouth::Flat;
            break;
        case 12:  // and up into the sky
            p.lookX = -0.6;
            p.lookY = -1.5;
            p.mouth = Mouth::Open;
            break;
        case 13:  // a big stretch begins
            p.bob = -0.8;
            p.stretch = 1;
            p.frontHandX = 8.5;
            p.frontHandY = 11;
            p.backHandX = 31.5;
            p.backHandY = 11;
            p.eyes = Eyes::Closed;
            p.mouth = Mouth::Yawn;
            break;
        case 14:  // arms right up, on tiptoe
            p.bob = -1.6;
            p.stretch = 1.5;
            p.frontHandX = 9.5;
            p.frontHandY = 5.5;
            p.backHandX = 30.5;
            p.backHandY = 5.5;
            p.frontFootX = 16.5;
            p.backFootX = 23.5;
            p.eyes = Eyes::Closed;
            p.mouth = Mouth::Yawn;
            break;
        case 15:  // back down, pleased with it
            p.eyes = Eyes::Happy;
            p.mouth = Mouth::Grin;
            break;
        case 16:  // a wave to whoever is watching
            p.frontHandX = 8.5;
            p.frontHandY = 13;
            p.eyes = Eyes::Open;
            p.lookX = -0.4;
            p.mouth = Mouth::Grin;
            break;
        default:
            break;
    }
    return p;
}

void drawBoot(cairo_t* cr, double x, double lift) {
    // The toe points forward, to the left.
    const double cy = 33.8 - lift;
    cairo_new_path(cr);
    cairo_move_to(cr, x + 3.6, cy + 2.2);
    cairo_line_to(cr, x - 3.8, cy + 2.2);
    cairo_curve_to(cr, x - 5.6, cy + 2.2, x - 5.4, cy - 1.2, x - 3.2, cy - 1.6);
    cairo_curve_to(cr, x - 1.5, cy - 2.4, x + 2, cy - 2.6, x + 3.4, cy - 1.6);
    cairo_curve_to(cr, x + 4.4, cy - 0.8, x + 4.4, cy + 2.2, x + 3.6, cy + 2.2);
    cairo_close_path(cr);
    paint::fillStroke(cr, kBoot, kOutline, 1.3);
}

void drawHand(cairo_t* cr, double x, double y) {
    paint::ellipse(cr, x, y, 2.6, 2.6);
    paint::fillStroke(cr, kBody, kOutline, 1.3);
}

void drawArm(cairo_t* cr, double shoulderX, double shoulderY, double x, double y) {
    // A hand held low hugs the body and needs no arm; a raised one shows its arm.
    if (y > shoulderY) {
        drawHand(cr, x, y);
        return;
    }
    cairo_new_path(cr);
    cairo_move_to(cr, shoulderX, shoulderY);
    cairo_line_to(cr, x, y);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    paint::outlinedStroke(cr, kOutline, 3.6, kBody, 1.6);
    drawHand(cr, x, y);
}

void drawTails(cairo_t* cr, const HeroPose& p, double top) {
    const double w = p.tailWave;
    for (int i = 0; i < 2; ++i) {
        const double y0 = top + 2.6 + i * 0.8;
        const double endY = top + (i ? 6.5 : 0.5) + w * (i ? -1.0 : 1.2);
        cairo_new_path(cr);
        cairo_move_to(cr, 27.5, y0);
        cairo_curve_to(cr, 30, y0 - 0.5 + w, 31.5, endY + 1.5 - w, 33.2, endY);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        paint::outlinedStroke(cr, kOutline, 3.4, kBand, 1.5);
    }
}

void drawEye(cairo_t* cr, double cx, double cy, const HeroPose& p) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    if (p.eyes == Eyes::Closed || p.eyes == Eyes::Happy) {
        cairo_new_path(cr);
        if (p.eyes == Eyes::Closed) {
            cairo_move_to(cr, cx - 2.6, cy + 0.4);
            cairo_curve_to(cr, cx - 1, cy + 2, cx + 1, cy + 2, cx + 2.6, cy + 0.4);
        } else {
            cairo_move_to(cr, cx - 2.6, cy + 1.2);
            cairo_curve_to(cr, cx - 1, cy - 1.6, cx + 1, cy - 1.6, cx + 2.6, cy + 1.2);
        }
        paint::rgb(cr, kOutline);
        cairo_set_line_width(cr, 1.6);
        cairo_stroke(cr);
        return;
    }
    const double ry = p.eyes == Eyes::Wide ? 4.2 : 3.9;
    paint::ellipse(cr, cx, cy, 3.2, ry);
    paint::fillStroke(cr, 0xFFFFFF, kOutline, 1.0);
    paint::ellipse(cr, cx + p.lookX, cy + p.lookY + 0.4, 1.4, 2.0);
    paint::rgb(cr, kPupil);
    cairo_fill(cr);
    paint::ellipse(cr, cx + p.lookX - 0.5, cy + p.lookY - 0.7, 0.6, 0.6);
    paint::rgb(cr, 0xFFFFFF);
    cairo_fill(cr);
}

void drawMouth(cairo_t* cr, const HeroPose& p, double cy) {
    const double x = 16;
    cairo_new_path(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    switch (p.mouth) {
        case Mouth::Smile:
            cairo_move_to(cr, x - 2.6, cy - 0.4);
            cairo_curve_to(cr, x - 1.5, cy + 1.6, x + 1.2, cy + 1.6, x + 2.4, cy - 0.2);
            paint::rgb(cr, kMouth);
            cairo_set_line_width(cr, 1.3);
            cairo_stroke(cr);
            break;
        case Mouth::Flat:
            cairo_move_to(cr, x - 2, cy + 0.4);
            cairo_line_to(cr, x + 1.8, cy + 0.2);
            paint::rgb(cr, kMouth);
            cairo_set_line_width(cr, 1.3);
            cairo_stroke(cr);
            break;
        case Mouth::Open:
            paint::ellipse(cr, x, cy + 0.6, 1.5, 1.8);
            break;
        case Mouth::Yawn:
            paint::ellipse(cr, x + 0.3, cy + 0.6, 2.4, 2.7);
            break;
        case Mouth::Grin:
            cairo_move_to(cr, x - 3, cy - 0.6);
            cairo_curve_to(cr, x - 1.6, cy + 3.2, x + 1.8, cy + 3.2, x + 3, cy - 0.6);
            cairo_close_path(cr);
            break;
    }
    if (p.mouth == Mouth::Open || p.mouth == Mouth::Yawn || p.mouth == Mouth::Grin)
        paint::fillStroke(cr, kMouth, kOutline, 1.0);
}

void drawHair(cairo_t* cr, double top) {
    cairo_new_path(cr);
    cairo_move_to(cr, 16.5, top + 1.5);
    cairo_curve_to(cr, 16, top - 2, 18.5, top - 4.5, 21.5, top - 5.5);
    cairo_curve_to(cr, 20.5, top - 3.5, 20.8, top - 2.5, 21.8, top - 1.8);
    cairo_curve_to(cr, 22.5, top - 4, 24.5, top - 5, 26.5, top - 4.4);
    cairo_curve_to(cr, 25, top - 3, 24.5, top - 1, 24.5, top + 1.5);
    cairo_close_path(cr);
    paint::fillStroke(cr, kHair, kOutline, 1.2);
}

}  // namespace

void drawHero(cairo_t* cr, int pose) {
    const HeroPose p = heroPose(pose);
    cairo_save(cr);
    const double cx = 20, rx = 10 + p.widen;
    const double bottom = 32 + p.bob * 0.5;
    const double top = 11 + p.bob - p.stretch;
    const double cy = (top + bottom) / 2, ry = (bottom - top) / 2;

    drawTails(cr, p, top);
    drawArm(cr, 28, cy + 1, p.backHandX, p.backHandY);

    for (double fx : {p.backFootX, p.frontFootX}) {
        const double lift = fx == p.backFootX ? p.backLift : p.frontLift;
        cairo_new_path(cr);
        cairo_move_to(cr, fx + 0.5, bottom - 2);
        cairo_line_to(cr, fx, 33 - lift);
        paint::rgb(cr, kOutline);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    }
    drawBoot(cr, p.backFootX, p.backLift);
    drawBoot(cr, p.frontFootX, p.frontLift);

    drawHair(cr, top);

    // The body: an orange ball, lit from the upper left, with a pale belly.
    paint::ellipse(cr, cx, cy, rx, ry);
    fillLitBody(cr, cx - 4, cy - 5, 1, cx, cy, ry + 2, 0.72, 0.38);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    paint::ellipse(cr, cx - 2.5, cy + 6.5, 6.5, 5);
    paint::rgb(cr, kBodyLight);
    cairo_fill(cr);
    // The headband wraps round the top of the head.
    cairo_rectangle(cr, 0, top + 1.6, 40, 2.8);
    paint::rgb(cr, kBand);
    cairo_fill(cr);
    cairo_rectangle(cr, 0, top + 4.0, 40, 0.8);
    paint::rgb(cr, paint::shade(kBand, -0.35));
    cairo_fill(cr);
    cairo_restore(cr);
    paint::ellipse(cr, cx, cy, rx, ry);
    paint::rgb(cr, kOutline);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);

    const double eyeY = top + 8.2;
    drawEye(cr, 13.6, eyeY, p);
    drawEye(cr, 21.0, eyeY - 0.3, p);
    drawMouth(cr, p, top + 13.6);
    paint::ellipse(cr, 23.5, top + 12.5, 1.6, 1.0);
    paint::rgb(cr, paint::mix(kBody, 0xFF5060, 0.5));
    cairo_fill(cr);

    drawArm(cr, 12, cy + 1, p.frontHandX, p.frontHandY);
    cairo_restore(cr);
}

Picture makeCharacterSheet() {
    Picture left(kCharWidth * kCharPoses, kCharHeight);
    for (int pose = 0; pose < kCharPoses; ++pose) {
        Canvas canvas(kCharWidth, kCharHeight);
        drawHero(canvas.cr(), pose);
        left.paste(canvas.toSprite(), pose * kCharWidth, 0);
    }
    Picture sheet(kCharWidth * kCharPoses, 2 * kCharHeight);
    sheet.paste(left, 0, 0);
    sheet.paste(left.mirrored(), 0, kCharHeight);
    return sheet;
}

}  // namespace vorn::pictures
