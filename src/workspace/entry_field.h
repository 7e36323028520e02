// The text fields of the windows: what a field holds once a text is put into it.
#pragma once

#include <string>

namespace standwise {

/// The most characters (UTF-16 code units, as the toolkit counts them) that an entry field holds.
inline constexpr std::size_t kEntryFieldLength = 32767;

/// The text as an entry field holds it: cut after kEntryFieldLength units, never inside a character.
std::string entry_field_text(const std::string& text);

/// What a typed or pasted text leaves in a field: control characters dropped (a tab becomes a
/// blank), so no saved file holds one that its next load would refuse, and held to the length.
std::string typed_field_text(const std::string& text);

/// Caption of the message that a load shows for a text it cut to the field's length.
inline constexpr const char* kCutFieldCaption = "Field Cut";

/// The message for a text that a load put into a field and that the field cut to kEntryFieldLength,
/// "Site: the text of 40000 characters was cut to the field's 32767.", or empty when it fits.
std::string cut_field_message(const std::string& field, const std::string& text);

/// Caption of the message that a load shows for a field whose check emptied the text put into it.
inline constexpr const char* kEmptiedFieldCaption = "Field Emptied";

/// Why a current entry is refused: "is not a current from 0 to 800 mA".
std::string not_a_current_reason(double maximum_ma);

/// Why a text from a file is refused: a damaged or binary file, not something typed.
inline constexpr const char* kControlCharacterReason = "holds a control character";

/// The message for a field that a load filled and whose check emptied:
/// Master alarm circuit 1: "250,5" is not a current from 0 to 800 mA; the field was emptied.
std::string emptied_field_message(const std::string& field, const std::string& text,
                                  const std::string& reason);

}  // namespace standwise
