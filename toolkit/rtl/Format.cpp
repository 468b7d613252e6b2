// Format parses its format string itself: a format that comes from settings
// or users never reaches printf, and anything unknown is refused.

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cmath>

#include "toolkit/rtl/Exceptions.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

class Formatter {
public:
  Formatter(std::string_view fmt, const std::vector<TFormatArg>& args, const TFormatSettings& fs)
      : fmt_(fmt), args_(args), fs_(fs) {}

  std::string Run() {
    std::string out;
    for (size_t i = 0; i < fmt_.size();) {
      if (fmt_[i] != '%') {
        out += fmt_[i++];
        continue;
      }
      if (i + 1 < fmt_.size() && fmt_[i + 1] == '%') {
        out += '%';
        i += 2;
        continue;
      }
      out += conversion(i);
    }
    return out;
  }

private:
  [[noreturn]] void invalid() const {
    throw EConvertError("Format '" + std::string(fmt_) + "' invalid or incompatible with argument");
  }

  const TFormatArg& next() {
    if (argIndex_ >= args_.size())
      throw EConvertError("No argument for format '" + std::string(fmt_) + "'");
    return args_[argIndex_++];
  }

  // A run of digits or '*' (an integer argument); -1 when absent.
  int number(size_t& i) {
    if (i < fmt_.size() && fmt_[i] == '*') {
      ++i;
      const TFormatArg& a = next();
      if (a.GetKind() != TFormatArg::Int && a.GetKind() != TFormatArg::UInt) invalid();
      int64_t v = a.GetKind() == TFormatArg::Int ? a.AsInt() : static_cast<int64_t>(a.AsUInt());
      return static_cast<int>(std::clamp<int64_t>(v, 0, 100000));
    }
    if (i >= fmt_.size() || !std::isdigit(static_cast<unsigned char>(fmt_[i]))) return -1;
    int64_t v = 0;
    while (i < fmt_.size() && std::isdigit(static_cast<unsigned char>(fmt_[i]))) {
      v = std::min<int64_t>(v * 10 + (fmt_[i++] - '0'), 100000);  // no width may exhaust memory
    }
    return static_cast<int>(v);
  }

  std::string conversion(size_t& i) {
    ++i;  // '%'
    // An argument index "%1:s" moves where the following arguments are taken from.
    if (i < fmt_.size() && std::isdigit(static_cast<unsigned char>(fmt_[i]))) {
      size_t save = i;
      int n = number(i);
      if (i < fmt_.size() && fmt_[i] == ':') {
        argIndex_ = static_cast<size_t>(n);
        ++i;
      } else {
        i = save;
      }
    }
    bool left = false;
    if (i < fmt_.size() && fmt_[i] == '-') {
      left = true;
      ++i;
    }
    int width = number(i);
    int prec = -1;
    if (i < fmt_.size() && fmt_[i] == '.') {
      ++i;
      prec = number(i);
      if (prec < 0) prec = 0;
    }
    if (i >= fmt_.size()) invalid();
    char type = static_cast<char>(std::tolower(static_cast<unsigned char>(fmt_[i++])));
    std::string s = convert(type, prec);
    if (width > static_cast<int>(s.size())) {
      std::string pad(static_cast<size_t>(width) - s.size(), ' ');
      s = left ? s + pad : pad + s;
    }
    return s;
  }

  std::string convert(char type, int prec) {
    switch (type) {
      case 'd': return integer(prec);
      case 'u': return unsignedInt(prec);
      case 'x': return hex(prec);
      case 's': {
        const TFormatArg& a = next();
        if (a.GetKind() != TFormatArg::String) invalid();
        return prec >= 0 ? a.AsString().substr(0, static_cast<size_t>(prec)) : a.AsString();
      }
      case 'f': return FloatToStrF(floatArg(), ffFixed, 18, prec < 0 ? 2 : prec, fs_);
      case 'n': return FloatToStrF(floatArg(), ffNumber, 18, prec < 0 ? 2 : prec, fs_);
      case 'g': return FloatToStrF(floatArg(), ffGeneral, prec < 0 ? 15 : prec, 0, fs_);
      case 'e': return FloatToStrF(floatArg(), ffExponent, prec < 0 ? 15 : prec, 3, fs_);
      default: invalid();
    }
  }

  double floatArg() {
    const TFormatArg& a = next();
    if (a.GetKind() != TFormatArg::Float) invalid();
    return a.AsFloat();
  }

  static std::string zeroPad(std::string digits, int prec) {
    if (prec > static_cast<int>(digits.size())) digits.insert(0, static_cast<size_t>(prec) - digits.size(), '0');
    return digits;
  }

  std::string integer(int prec) {
    const TFormatArg& a = next();
    if (a.GetKind() == TFormatArg::UInt) return zeroPad(std::to_string(a.AsUInt()), prec);
    if (a.GetKind() != TFormatArg::Int) invalid();
    int64_t v = a.AsInt();
    uint64_t mag = v < 0 ? 0ull - static_cast<uint64_t>(v) : static_cast<uint64_t>(v);
    std::string digits = zeroPad(std::to_string(mag), prec);
    if (v < 0) digits.insert(0, 1, '-');
    return digits;
  }

  // A negative integer shows as the unsigned 32-bit (or 64-bit) pattern.
  uint64_t bits(const TFormatArg& a) {
    if (a.GetKind() == TFormatArg::UInt) return a.AsUInt();
    if (a.GetKind() != TFormatArg::Int) invalid();
    int64_t v = a.AsInt();
    if (v >= INT32_MIN && v < 0) return static_cast<uint32_t>(static_cast<int32_t>(v));
    return static_cast<uint64_t>(v);
  }

  std::string unsignedInt(int prec) { return zeroPad(std::to_string(bits(next())), prec); }
  std::string hex(int prec) { return IntToHex(bits(next()), prec < 0 ? 0 : prec); }

  std::string_view fmt_;
  const std::vector<TFormatArg>& args_;
  const TFormatSettings& fs_;
  size_t argIndex_ = 0;
};

}  // namespace

std::string FormatArgs(std::string_view Fmt, const std::vector<TFormatArg>& Args, const TFormatSettings& FS) {
  return Formatter(Fmt, Args, FS).Run();
}
