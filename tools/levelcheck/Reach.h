// A search over where the character can get to on one level, the way a player gets there:
// from every place it comes to rest (or bounces off a spring) it tries runs, jumps with the
// direction held for longer or shorter, drops through the platform and walks off edges, and
// remembers every item touched on the way. Every way found is a real key sequence: keysTo()
// hands it back, frame by frame from the level start.
#pragma once

#include <cstdint>
#include <unordered_set>
#include <vector>

#include "Mover.h"

namespace vorn::levelcheck {

// One try from a resting or bouncing character: hold `dir` for `run` frames, then press
// `act` (jump or drop) with `dir` still held when `hold` > 0, keep `dir` until `hold` frames
// have passed since the act, and then let go until the character rests or bounces again.
struct Plan {
    uint8_t dir = 0;
    uint8_t act = 0;
    int16_t run = 0;
    int16_t hold = 0;
    uint8_t keysAt(int frame) const;
};

class Reach {
public:
    explicit Reach(Mover& mover);

    // Explores from `start` until every item of `targets` is touched or nothing new is left.
    // Touching an item of `ending` ends the game there (Dovi): no way goes on past it. The
    // items of `gone` were taken before. One search per Reach.
    void explore(const Body& start, const ItemSet& targets, const ItemSet& ending, const ItemSet& gone = {});

    const ItemSet& touched() const { return touched_; }
    int positions() const { return static_cast<int>(nodes_.size()); }
    long frames() const { return frames_; }
    // The keys of one way to touch item k, one entry per frame from the start; empty when
    // the item was never touched.
    std::vector<uint8_t> keysTo(int k) const;

private:
    struct Node {
        Body body;
        ItemSet gone;  // power-ups used up on the way here
        int parent = -1;
        Plan plan;  // the try from the parent that ended here
        int frames = 0;
        bool bouncing = false;
        bool onIce = false;
    };
    struct Touch {
        int node = -1;
        Plan plan;
        int frames = 0;  // frames of the plan run up to and including the touch
    };

    // Runs one try from node n; adds the place where it ends when that place is new.
    void tryPlan(int n, const Plan& plan, const ItemSet& ending);
    void addNode(Node node);

    Mover& mover_;
    ItemSet usedUp_;  // items whose pick-up changes the movement (high jumps, extra speed)
    ItemSet touched_;
    std::vector<Node> nodes_;
    std::vector<Touch> firstTouch_;
    std::unordered_set<uint64_t> seenKeys_;
    std::vector<ItemSet> goneSets_;
    long frames_ = 0;
};

}  // namespace vorn::levelcheck
