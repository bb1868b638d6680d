#pragma once

#include "vxdeviceinterface.h"

#include <array>
#include <cstddef>
#include <initializer_list>

namespace vx {

// Command kinds, short for the catalogue tables.
inline constexpr auto UnCMD = VXDeviceInterface::UnCMD;
inline constexpr auto CCMD = VXDeviceInterface::CCMD;
inline constexpr auto CMD = VXDeviceInterface::CMD;
inline constexpr auto NUM = VXDeviceInterface::NUM;
inline constexpr auto PLT = VXDeviceInterface::PLT;
inline constexpr auto PPLT = VXDeviceInterface::PPLT;
inline constexpr auto QRPLT = VXDeviceInterface::QRPLT;

// The initial value of a catalogue entry. A key list is the value of a
// composite property: the keys of its sub-properties, in order.
struct InitialValue
{
    enum Kind { Invalid, Int, UInt, Double, Text, TranslatedText, Bytes, JsonObject, Now, KeyList };
    Kind kind;
    double number;
    const char *text;
};

constexpr InitialValue invalid_value() { return {InitialValue::Invalid, 0, nullptr}; }
constexpr InitialValue int_value(int v) { return {InitialValue::Int, double(v), nullptr}; }
constexpr InitialValue uint_value(unsigned v) { return {InitialValue::UInt, double(v), nullptr}; }
constexpr InitialValue double_value(double v) { return {InitialValue::Double, v, nullptr}; }
constexpr InitialValue text_value(const char *v) { return {InitialValue::Text, 0, v}; }
constexpr InitialValue translated_text(const char *v) { return {InitialValue::TranslatedText, 0, v}; }
constexpr InitialValue bytes_value() { return {InitialValue::Bytes, 0, nullptr}; }
constexpr InitialValue json_value(const char *v) { return {InitialValue::JsonObject, 0, v}; }
constexpr InitialValue now_value() { return {InitialValue::Now, 0, nullptr}; }
constexpr InitialValue key_list() { return {InitialValue::KeyList, 0, nullptr}; }

using Items = std::array<const char *, 6>;

// The editor of a catalogue entry, written as the property's "WIDGET"
// description: the control kind, and limits, factor and items when given.
struct Editor
{
    const char *widget = nullptr;
    bool limited = false;
    double min = 0;
    double max = 0;
    bool scaled = false;
    double factor = 0; // value x factor is shown
    Items items = {};  // combo-box items, each translated
};

constexpr Editor no_editor() { return {}; }
constexpr Editor spin_box() { return {"QSpinBox"}; }
constexpr Editor spin_box(int min, int max) { return {"QSpinBox", true, double(min), double(max)}; }
constexpr Editor spin_box(int min, int max, double factor)
{
    return {"QSpinBox", true, double(min), double(max), true, factor};
}
constexpr Editor double_spin_box(double min, double max) { return {"QDoubleSpinBox", true, min, max}; }
constexpr Editor double_spin_box(double min, double max, double factor)
{
    return {"QDoubleSpinBox", true, min, max, true, factor};
}
constexpr Editor combo_box(Items items) { return {"QComboBox", false, 0, 0, false, 0, items}; }
constexpr Editor line_edit() { return {"QLineEdit"}; }
constexpr Editor line_edit(double factor) { return {"QLineEdit", false, 0, 0, true, factor}; }
constexpr Editor label() { return {"QLabel"}; }
// The members' editors side by side in one row.
constexpr Editor group() { return {"QGroupBox"}; }
// The members' editors on a tab page; consecutive tab entries share one tab widget.
constexpr Editor tabs() { return {"QTabWidget"}; }

// One row of a property catalogue. Labels (and units marked translated)
// are source texts translated in the catalogue's context when the property
// is created; an empty label stays empty.
struct CatalogueRow
{
    const char *key;
    const char *label;
    const char *unit;
    InitialValue initial;
    VXDeviceInterface::VXDeviceCMDType kind;
    int read;
    int write;
    int len;
    Editor editor = no_editor();
    Items members = {}; // sub-property keys, in held order
    Items params = {};  // fixed command parameters
    bool unit_translated = false;
};

// Creates the rows' properties in table order and registers each on the
// device: editor description, sub-properties (registered earlier in the
// same table) and the property itself.
void add_catalogue(VXDeviceInterface *device, const char *context, const CatalogueRow *rows,
                   std::size_t count);

template<std::size_t N>
void add_catalogue(VXDeviceInterface *device, const char *context, const CatalogueRow (&rows)[N])
{
    add_catalogue(device, context, rows, N);
}

// A named property set of a controller family. A family is one file of
// tables that registers them with one register_catalogues line.
struct NamedCatalogue
{
    const char *name;
    const CatalogueRow *rows;
    std::size_t count;
};
template<std::size_t N>
constexpr NamedCatalogue named(const char *name, const CatalogueRow (&rows)[N])
{
    return {name, rows, N};
}
// Labels are translated in the context. Always true, so that a family can
// register from a static initialiser.
bool register_catalogues(const char *context, std::initializer_list<NamedCatalogue> catalogues);
// Creates the named catalogue's properties on the device; false (and a
// warning) when no family registered the name.
bool fill_catalogue(VXDeviceInterface *device, const char *name);

} // namespace vx
