#include "Variant.h"

Variant Variant::Null()
{
    Variant v;
    v.type_ = Type::Null;
    return v;
}

Variant Variant::Integer(int16_t value)
{
    Variant v;
    v.type_ = Type::Integer;
    v.number_ = value;
    return v;
}

Variant Variant::Long(int32_t value)
{
    Variant v;
    v.type_ = Type::Long;
    v.number_ = value;
    return v;
}

Variant Variant::Double(double value)
{
    Variant v;
    v.type_ = Type::Double;
    v.number_ = value;
    return v;
}

Variant Variant::Boolean(bool value)
{
    Variant v;
    v.type_ = Type::Boolean;
    v.number_ = value ? -1 : 0;
    return v;
}

Variant::Variant(const QString& text) : type_(Type::String), text_(text) {}

Variant::Variant(const char* text) : type_(Type::String), text_(QString::fromUtf8(text)) {}

Variant::Variant(const QDateTime& date) : type_(Type::Date), date_(date) {}

bool Variant::IsNumeric() const
{
    return type_ == Type::Integer || type_ == Type::Long || type_ == Type::Double || type_ == Type::Boolean;
}

bool Variant::operator==(const Variant& other) const
{
    if (type_ != other.type_)
        return false;
    switch (type_) {
    case Type::Empty:
    case Type::Null:
        return true;
    case Type::String:
        return text_ == other.text_;
    case Type::Date:
        return date_ == other.date_;
    default:
        return number_ == other.number_;
    }
}
