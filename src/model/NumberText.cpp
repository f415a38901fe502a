#include "NumberText.h"

#include <cfenv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace numtext {
namespace {

// Writes a finite value with at most `digits` significant digits, the way the
// program shows every number: no zero before the point, no trailing zeros, and
// an exponent only when the plain form would need more digits than it has.
QString Format(double value, int digits, bool leadingBlank) {
  QString sign = value < 0 ? QStringLiteral("-") : (leadingBlank ? QStringLiteral(" ") : QString());
  if (value == 0 || !std::isfinite(value)) {
    return sign + QStringLiteral("0");
  }
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*e", digits - 1, std::fabs(value));
  // buf: d.dddddde[+-]xx
  QString mantissa;
  int exponent = 0;
  {
    const char* p = buf;
    for (; *p && *p != 'e'; ++p) {
      if (*p != '.') mantissa += QLatin1Char(*p);
    }
    if (*p == 'e') exponent = std::atoi(p + 1);
  }
  while (mantissa.size() > 1 && mantissa.endsWith(QLatin1Char('0'))) mantissa.chop(1);

  if (exponent >= digits || exponent < -5) {
    QString text = mantissa.left(1);
    if (mantissa.size() > 1) text += QLatin1Char('.') + mantissa.mid(1);
    text += QLatin1Char('E');
    text += QLatin1Char(exponent < 0 ? '-' : '+');
    text += QString::number(std::abs(exponent)).rightJustified(2, QLatin1Char('0'));
    return sign + text;
  }
  QString text;
  if (exponent < 0) {
    text = QLatin1Char('.') + QString(-exponent - 1, QLatin1Char('0')) + mantissa;
  } else if (mantissa.size() <= exponent + 1) {
    text = mantissa + QString(exponent + 1 - mantissa.size(), QLatin1Char('0'));
  } else {
    text = mantissa.left(exponent + 1) + QLatin1Char('.') + mantissa.mid(exponent + 1);
  }
  return sign + text;
}

bool IsBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n'); }

int HexDigit(QChar c) {
  const char ch = c.toLatin1();
  if (ch >= '0' && ch <= '9') return ch - '0';
  if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
  if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
  return -1;
}

long long LeadingHex(const QString& text, int pos) {
  long long v = 0;
  for (; pos < text.size(); ++pos) {
    const int d = HexDigit(text[pos]);
    if (d < 0) break;
    v = v * 16 + d;
    if (v > std::numeric_limits<int32_t>::max()) v = std::numeric_limits<int32_t>::max();
  }
  return v;
}

}  // namespace

QString Str(float value) { return Format(value, 7, true); }
QString Str(double value) { return Format(value, 15, true); }
QString Str(long long value) { return (value < 0 ? QString() : QStringLiteral(" ")) + QString::number(value); }
QString Plain(float value) { return Format(value, 7, false); }
QString Plain(double value) { return Format(value, 15, false); }
QString Plain(long long value) { return QString::number(value); }

double Round(double value, int decimals) {
  const double scale = std::pow(10.0, decimals);
  const double scaled = value * scale;
  // From 2^52 on a double holds no fraction to round, and the product may have overflowed.
  if (!std::isfinite(scaled) || std::fabs(scaled) >= 4503599627370496.0) return value;
  const int mode = std::fegetround();
  std::fesetround(FE_TONEAREST);
  const double rounded = std::nearbyint(scaled) / scale;
  std::fesetround(mode);
  return rounded;
}

int32_t RoundToInt(double value) {
  const double r = Round(value, 0);
  if (!(r > std::numeric_limits<int32_t>::min())) return std::numeric_limits<int32_t>::min();
  if (r > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(r);
}

double Val(const QString& text) { return LeadingNumber(text).value_or(0); }

std::optional<double> LeadingNumber(const QString& text) {
  int i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  if (i + 1 < text.size() && text[i] == QLatin1Char('&') && text[i + 1].toUpper() == QLatin1Char('H')) {
    if (i + 2 >= text.size() || HexDigit(text[i + 2]) < 0) return std::nullopt;
    return static_cast<double>(LeadingHex(text, i + 2));
  }
  QByteArray number;
  if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) number += text[i++].toLatin1();
  bool digits = false;
  while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128) { number += text[i++].toLatin1(); digits = true; }
  if (i < text.size() && text[i] == QLatin1Char('.')) {
    number += text[i++].toLatin1();
    while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128) { number += text[i++].toLatin1(); digits = true; }
  }
  if (!digits) return std::nullopt;
  if (i < text.size() && (text[i].toUpper() == QLatin1Char('E') || text[i].toUpper() == QLatin1Char('D'))) {
    int j = i + 1;
    QByteArray exponent = "e";
    if (j < text.size() && (text[j] == QLatin1Char('-') || text[j] == QLatin1Char('+'))) exponent += text[j++].toLatin1();
    bool expDigits = false;
    while (j < text.size() && text[j].isDigit() && text[j].unicode() < 128) { exponent += text[j++].toLatin1(); expDigits = true; }
    if (expDigits) number += exponent;
  }
  return std::strtod(number.constData(), nullptr);
}

int32_t HexVal(const QString& text) { return static_cast<int32_t>(LeadingHex(text, 0)); }

QString Hex(long long value) {
  const auto bits = static_cast<uint32_t>(static_cast<int64_t>(value));
  return QString::number(value < 0 ? bits : static_cast<unsigned long long>(value), 16).toUpper();
}

}  // namespace numtext
