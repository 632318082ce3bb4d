#pragma once

#include "amortization/calculator/TcbAmort.h"
#include "framework/dates/Calendar.h"
#include "framework/dates/DateText.h"
#include "support/BufferFixture.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

// A fresh amortization calculator on a settings file of its own (today 15 March 2021), and
// loans written as the command line writes them: "PV=10000 NumPmts=12 Rate=9 ...".
namespace quarvex::amortization::testing {

inline dates::DayNumber Day(int year, int month, int day) {
    return dates::DMYToDayNumber(day, month, year);
}

struct AmortFixture : quarvex::testing::BufferFixture {
    TcbAmort buffer{context};

    AmortFixture() {
        buffer.SetTitle("Amortization Schedule 1");
        buffer.InitData();
    }

    // NAME=VALUE words: fields of the record (dates as YYYY-MM-DD, lists by index or text)
    // and the calculator's own settings.
    void Set(const std::string& words) { Apply(buffer, words); }

    static void Apply(TcbAmort& buffer, const std::string& words) {
        std::istringstream in(words);
        std::string word;
        while (in >> word) {
            const auto equals = word.find('=');
            const std::string name = word.substr(0, equals);
            const std::string value = word.substr(equals + 1);
            if (buffer.TakeArgument(name, value)) {
                continue;
            }
            SetField(buffer, name, value);
        }
    }

    static void SetField(TcbAmort& buffer, const std::string& name, const std::string& value) {
        framework::DataRecord& data = buffer.Data();
        for (std::size_t i = 0; i < data.Size(); ++i) {
            if (data.Spec(i).Name() != name) {
                continue;
            }
            switch (data.Spec(i).type) {
            case framework::FieldType::Double:
                data.Set(i, std::stod(value));
                return;
            case framework::FieldType::Single:
                data.Set(i, std::stof(value));
                return;
            case framework::FieldType::Int32:
                data.Set(i, static_cast<std::int32_t>(std::stol(value)));
                return;
            case framework::FieldType::Date:
                data.Set(i, framework::Date{dates::ParseIsoDate(value)});
                return;
            case framework::FieldType::Choice:
                for (std::size_t k = 0; k < data.Spec(i).list.size(); ++k) {
                    if (data.Spec(i).list[k] == value) {
                        data.Set(i, framework::Choice{static_cast<std::int32_t>(k)});
                        return;
                    }
                }
                data.Set(i, framework::Choice{std::stoi(value)});
                return;
            default:
                break;
            }
        }
        ADD_FAILURE() << "no field " << name;
    }

    // Sets the words and calculates.
    void Calc(const std::string& words) {
        Set(words);
        buffer.Calculate();
    }
};

} // namespace quarvex::amortization::testing
