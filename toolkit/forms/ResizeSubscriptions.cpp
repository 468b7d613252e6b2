#include "toolkit/forms/ResizeSubscriptions.h"

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

namespace {
struct TListener {
  int Token;
  TNotifyEvent Handler;
};
std::map<TControl*, std::vector<TListener>>& listeners() {
  static std::map<TControl*, std::vector<TListener>> m;
  return m;
}
std::map<int, TControl*>& owners() {
  static std::map<int, TControl*> m;
  return m;
}
int nextToken = 0;
}  // namespace

int SubscribeResize(TControl* Control, TNotifyEvent Handler) {
  if (!Control || !Handler) return -1;
  int token = ++nextToken;
  listeners()[Control].push_back({token, std::move(Handler)});
  owners()[token] = Control;
  return token;
}

void UnsubscribeResize(int Token) {
  auto o = owners().find(Token);
  if (o == owners().end()) return;
  auto l = listeners().find(o->second);
  owners().erase(o);
  if (l == listeners().end()) return;
  auto& v = l->second;
  v.erase(std::remove_if(v.begin(), v.end(), [Token](const TListener& x) { return x.Token == Token; }), v.end());
  if (v.empty()) listeners().erase(l);
}

void NotifyResizeSubscribers(TControl* Control) {
  auto l = listeners().find(Control);
  if (l == listeners().end()) return;
  std::vector<TListener> now = l->second;
  for (const TListener& x : now)
    if (owners().count(x.Token)) x.Handler(Control);
}

void ForgetResizeSubscribers(TControl* Control) {
  auto l = listeners().find(Control);
  if (l == listeners().end()) return;
  for (const TListener& x : l->second) owners().erase(x.Token);
  listeners().erase(l);
}
