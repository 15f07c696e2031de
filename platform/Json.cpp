#include "platform/Json.h"

#include "platform/TextEscape.h"

std::string JsonString(std::string_view Text)
{
    return EscapedText(Text, TTextEscape::Json);
}

std::string JsonInlineArray(const std::vector<std::string>& Items)
{
    std::string array = "[";
    for (std::size_t index = 0; index < Items.size(); ++index)
        array += (index ? ", " : "") + Items[index];
    return array + "]";
}

void TJsonWriter::Begin(std::string_view Key, char Bracket)
{
    Raw(Key, std::string_view(&Bracket, 1));
    m_depth += 1;
    m_first = true;
}

void TJsonWriter::End(char Bracket)
{
    m_depth -= 1;
    if (!m_first)
        m_json += "\n" + std::string(2 * m_depth, ' ');
    m_json += Bracket;
    m_first = false;
}

void TJsonWriter::Raw(std::string_view Key, std::string_view Json)
{
    Separate();
    if (!Key.empty())
        m_json += JsonString(Key) + ": ";
    m_json += Json;
}

void TJsonWriter::Number(std::string_view Key, std::int64_t Value)
{
    Raw(Key, std::to_string(Value));
}

void TJsonWriter::String(std::string_view Key, std::string_view Value)
{
    Raw(Key, JsonString(Value));
}

void TJsonWriter::Bool(std::string_view Key, bool Value)
{
    Raw(Key, Value ? "true" : "false");
}

void TJsonWriter::Null(std::string_view Key)
{
    Raw(Key, "null");
}

void TJsonWriter::Separate()
{
    if (!m_json.empty())
        m_json += m_first ? "\n" : ",\n";
    m_json += std::string(2 * m_depth, ' ');
    m_first = false;
}

void TJsonWriter::StringOrNull(std::string_view Key, const std::optional<std::string>& Value)
{
    if (Value)
        String(Key, *Value);
    else
        Null(Key);
}
