#pragma once

#include <QDateTime>
#include <QString>
#include <cstdint>

// The value of a variable, a field or a lookup result with VB's variant
// semantics: Empty is neither text nor number, Null is the database null.
class Variant {
public:
    enum class Type { Empty, Null, Integer, Long, Double, String, Date, Boolean };

    Variant() = default;
    static Variant Null();
    static Variant Integer(int16_t value);
    static Variant Long(int32_t value);
    static Variant Double(double value);
    static Variant Boolean(bool value);
    Variant(const QString& text);
    Variant(const char* text);
    Variant(const QDateTime& date);

    Type type() const { return type_; }
    bool IsEmpty() const { return type_ == Type::Empty; }
    bool IsNull() const { return type_ == Type::Null; }
    bool IsNumeric() const;
    bool IsString() const { return type_ == Type::String; }
    bool IsDate() const { return type_ == Type::Date; }

    double number() const { return number_; }
    const QString& text() const { return text_; }
    const QDateTime& date() const { return date_; }

    bool operator==(const Variant& other) const;
    bool operator!=(const Variant& other) const { return !(*this == other); }

private:
    Type type_ = Type::Empty;
    double number_ = 0;
    QString text_;
    QDateTime date_;
};
