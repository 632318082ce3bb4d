#include "framework/buffer/FieldValueType.h"

namespace quarvex::framework {

std::optional<masks::ValueType> EntryValueTypeOf(FieldType type) {
    switch (type) {
    case FieldType::Double:
        return masks::ValueType::Double;
    case FieldType::Single:
        return masks::ValueType::Single;
    case FieldType::Extended:
        return masks::ValueType::Extended;
    case FieldType::Int16:
        return masks::ValueType::Int16;
    case FieldType::Int32:
        return masks::ValueType::Int32;
    case FieldType::Date:
        return masks::ValueType::Date;
    case FieldType::Text:
        return masks::ValueType::Text;
    case FieldType::Choice:
        break;
    }
    return std::nullopt;
}

} // namespace quarvex::framework
