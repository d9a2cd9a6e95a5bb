#include "Reach.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "game/state/LevelCodes.h"

namespace vorn::levelcheck {

namespace {

constexpr int kSettleLimit = 400;       // frames to wait for the character to come to rest
constexpr float kAtRest = 0.05f;        // below this speed a standing character has stopped
constexpr float kBounceSpeed = -10.0f;  // a fall that turns into a rise this fast was a spring

const int16_t kHolds[] = {2, 4, 7, 11, 16, 24, 60};

// From a resting character: walks of several lengths (which also walk off edges), jumps from
// a standstill or after a short run with the direction held for part of the flight or all of
// it, drops through the platform, and the straight jump and drop.
std::vector<Plan> restingPlans() {
    std::vector<Plan> plans;
    for (uint8_t dir : {kHoldLeft, kHoldRight}) {
        for (const int16_t run : std::initializer_list<int16_t>{2, 5, 10, 20, 40})
            plans.push_back({dir, 0, run, 0});
        for (const int16_t run : std::initializer_list<int16_t>{0, 4})
            for (int16_t hold : kHolds) plans.push_back({dir, kHoldJump, run, hold});
        for (const int16_t hold : std::initializer_list<int16_t>{2, 8, 60})
            plans.push_back({dir, kHoldDown, 0, hold});
    }
    plans.push_back({0, kHoldJump, 0, 0});
    plans.push_back({0, kHoldDown, 0, 0});
    return plans;
}

// Ice gives speed slowly: a jump from it wants a long run first. Elsewhere full speed takes
// two frames, and a long run is a walk and a short run.
std::vector<Plan> icePlans() {
    std::vector<Plan> plans;
    for (uint8_t dir : {kHoldLeft, kHoldRight})
        for (const int16_t run : std::initializer_list<int16_t>{12, 24})
            for (int16_t hold : kHolds) plans.push_back({dir, kHoldJump, run, hold});
    return plans;
}

// On a spring the character cannot jump; it can only steer while it flies.
std::vector<Plan> bouncingPlans() {
    std::vector<Plan> plans{{0, 0, 0, 0}};
    for (uint8_t dir : {kHoldLeft, kHoldRight})
        for (const int16_t hold : std::initializer_list<int16_t>{2, 5, 9, 14, 20, 60})
            plans.push_back({dir, 0, hold, 0});
    return plans;
}

const std::vector<Plan> kRestingPlans = restingPlans();
const std::vector<Plan> kBouncingPlans = bouncingPlans();
const std::vector<Plan> kIcePlans = icePlans();

bool bounced(const Body& before, const Body& after) {
    return before.inAir == 1 && before.velY > 0.0f && after.inAir == 1 && after.velY < kBounceSpeed;
}

bool resting(const Body& b) { return b.inAir == 0 && std::fabs(b.velX) < kAtRest; }

}  // namespace

uint8_t Plan::keysAt(int frame) const {
    if (frame < run) return dir;
    if (act == 0) return 0;
    if (frame == run) return static_cast<uint8_t>(act | (hold > 0 ? dir : 0));
    return frame - run < hold ? dir : 0;
}

Reach::Reach(Mover& mover) : mover_(mover), firstTouch_(kItemSlots) {
    for (int k = 0; k < mover_.itemCount(); ++k)
        if (mover_.itemKind(k) == kItemHighJump || mover_.itemKind(k) == kItemExtraSpeed) usedUp_.set(k);
}

void Reach::explore(const Body& start, const ItemSet& targets, const ItemSet& ending, const ItemSet& gone) {
    // The level starts with the character just above the floor: it settles first.
    Node root;
    root.body = start;
    root.gone = gone;
    mover_.place(start, gone);
    const Plan none;
    int frame = 0;
    for (; frame < kSettleLimit && (frame == 0 || !resting(mover_.body())); ++frame) {
        const ItemSet t = mover_.step(0);
        ++frames_;
        for (int k = 0; k < kItemSlots; ++k)
            if (t[k] && !touched_[k]) firstTouch_[k] = Touch{-1, none, frame + 1};
        touched_ |= t;
        root.gone |= t & usedUp_;
    }
    root.body = mover_.body();
    root.onIce = mover_.surface() == kPlatformIcy;
    root.frames = frame;
    addNode(root);

    for (size_t n = 0; n < nodes_.size() && (touched_ & targets) != targets; ++n) {
        for (const Plan& plan : nodes_[n].bouncing ? kBouncingPlans : kRestingPlans)
            tryPlan(static_cast<int>(n), plan, ending);
        if (nodes_[n].onIce)
            for (const Plan& plan : kIcePlans) tryPlan(static_cast<int>(n), plan, ending);
    }
}

void Reach::tryPlan(int n, const Plan& plan, const ItemSet& ending) {
    const Node from = nodes_[n];  // a copy: adding the next place may move the list
    mover_.place(from.body, from.gone);
    ItemSet gone = from.gone;
    const int keyed = plan.act ? plan.run + std::max<int>(plan.hold, 1) : plan.run;

    bool bounce = false, rest = false;
    int frame = 0;
    while (frame < keyed + kSettleLimit && !bounce && !rest) {
        const Body before = mover_.body();
        const ItemSet t = mover_.step(plan.keysAt(frame));
        ++frame;
        ++frames_;
        if ((t & ~touched_).any())
            for (int k = 0; k < kItemSlots; ++k)
                if (t[k] && !touched_[k]) firstTouch_[k] = Touch{n, plan, frame};
        touched_ |= t;
        if ((t & ending).any()) return;
        gone |= t & usedUp_;
        const Body after = mover_.body();
        bounce = bounced(before, after);
        rest = frame >= keyed && resting(after);
    }
    if (!bounce && !rest) return;
    Node next;
    next.body = mover_.body();
    next.gone = gone;
    next.parent = n;
    next.plan = plan;
    next.frames = frame;
    next.bouncing = bounce;
    next.onIce = rest && mover_.surface() == kPlatformIcy;
    addNode(next);
}

void Reach::addNode(Node node) {
    // Places are told apart by position (to 10 pixels across, exactly in height), by the
    // speed of a bounce, and by the power-ups still running or already used up. Finer steps
    // find nothing more on our levels and double the search.
    int goneId = 0;
    while (goneId < static_cast<int>(goneSets_.size()) && goneSets_[goneId] != node.gone) ++goneId;
    if (goneId == static_cast<int>(goneSets_.size())) goneSets_.push_back(node.gone);

    const Body& b = node.body;
    const uint64_t x = static_cast<uint64_t>(std::lround(b.x / 10.0f) + 32) & 0xff;
    const uint64_t y = static_cast<uint64_t>(std::lround(b.y) + 1024) & 0xfff;
    const uint64_t vx = node.bouncing ? static_cast<uint64_t>(std::lround(b.velX) + 16) & 0x3f : 0;
    const uint64_t jumps = static_cast<uint64_t>(b.highJumps) & 0x7;
    const uint64_t speed = static_cast<uint64_t>(b.speedTime / 150) & 0x7;
    const uint64_t key = x | y << 8 | vx << 20 | jumps << 26 | speed << 29 | uint64_t(node.bouncing) << 32 |
                         static_cast<uint64_t>(goneId) << 33;
    if (!seenKeys_.insert(key).second) return;
    nodes_.push_back(node);
}

std::vector<uint8_t> Reach::keysTo(int k) const {
    std::vector<uint8_t> keys;
    if (k < 0 || k >= kItemSlots || !touched_[k]) return keys;
    const Touch& touch = firstTouch_[k];

    std::vector<int> chain;
    for (int n = touch.node; n >= 0; n = nodes_[n].parent) chain.push_back(n);
    if (touch.node < 0) {
        keys.assign(touch.frames, 0);
        return keys;
    }
    keys.assign(nodes_[0].frames, 0);
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        const Node& node = nodes_[*it];
        if (node.parent < 0) continue;
        for (int f = 0; f < node.frames; ++f) keys.push_back(node.plan.keysAt(f));
    }
    for (int f = 0; f < touch.frames; ++f) keys.push_back(touch.plan.keysAt(f));
    return keys;
}

}  // namespace vorn::levelcheck
