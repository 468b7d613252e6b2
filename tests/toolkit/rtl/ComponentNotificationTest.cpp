#include <gtest/gtest.h>

#include "toolkit/rtl/Classes.h"

namespace {

// A component that frees a sibling when it hears that a watched one goes.
class Reactor : public TComponent {
public:
  Reactor(TComponent* owner, std::vector<std::string>& log) : TComponent(owner), log_(log) {}
  ~Reactor() override { log_.push_back("bye " + Name()); }
  TComponent* watched = nullptr;
  TComponent* victim = nullptr;

protected:
  void Notification(TComponent* c, TOperation op) override {
    TComponent::Notification(c, op);
    if (op == opRemove && c == watched && victim) {
      TComponent* v = victim;
      victim = nullptr;
      delete v;
    }
  }

private:
  std::vector<std::string>& log_;
};

}  // namespace

TEST(ComponentNotification, AHandlerMayFreeSiblingsWhileTheNewsGoesRound) {
  std::vector<std::string> log;
  TComponent owner(nullptr);
  auto* first = new Reactor(&owner, log);
  first->SetName("first");
  auto* reactor = new Reactor(&owner, log);
  reactor->SetName("reactor");
  auto* last = new Reactor(&owner, log);
  last->SetName("last");
  auto* leaving = new TComponent(&owner);
  reactor->watched = leaving;
  reactor->victim = first;
  delete leaving;  // the owner tells every child; one of them frees another
  EXPECT_EQ(owner.ComponentCount(), 2);
  EXPECT_EQ(log, std::vector<std::string>{"bye first"});
  EXPECT_EQ(owner.FindComponent("LAST"), last);
}
