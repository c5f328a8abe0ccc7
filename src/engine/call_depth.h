// Counts the nesting of the recursive rules, so that tests can bound the stack they use.
#pragma once

#include "engine/engine_state.h"

namespace corvane {

/// Raises engine.callDepth for the lifetime of one rule call and keeps maxCallDepth.
class CallDepth {
  public:
    explicit CallDepth(Engine& engine) : engine_(engine) {
        if (++engine_.callDepth > engine_.maxCallDepth) engine_.maxCallDepth = engine_.callDepth;
    }
    ~CallDepth() { --engine_.callDepth; }
    CallDepth(const CallDepth&) = delete;
    CallDepth& operator=(const CallDepth&) = delete;

  private:
    Engine& engine_;
};

} // namespace corvane
