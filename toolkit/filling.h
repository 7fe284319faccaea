// Filling a control from the model is not an edit: a form that sets a control's value from an
// entry does not write that entry back. Setting a text box's text raises its change event as
// the player's typing does, so the form marks the filling: it holds one Filling, opens a Scope
// of it around the code that shows the model, and the handlers that store a control's value
// leave it alone while the Filling is active.
#pragma once

namespace tk {

class Filling {
 public:
  // The form fills its controls while a Scope lives. Scopes nest: a refill inside a larger
  // filling keeps it active.
  class Scope {
   public:
    explicit Scope(Filling& filling) : filling_(filling) { ++filling_.depth_; }
    ~Scope() { --filling_.depth_; }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

   private:
    Filling& filling_;
  };

  bool Active() const { return depth_ > 0; }

 private:
  int depth_ = 0;
};

}  // namespace tk
