#include "platform/core/PropertyList.h"

#include <pugixml.hpp>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "platform/core/AtomicFile.h"
#include "platform/core/Base64.h"
#include "platform/core/Exception.h"

namespace zuno::sys {

namespace {

class Reader {
public:
    Reader(std::string_view xml, std::string_view source) : xml_(xml), source_(source) {}

    Value read() {
        pugi::xml_document doc;
        unsigned options = pugi::parse_default | pugi::parse_ws_pcdata;
        pugi::xml_parse_result result =
            doc.load_buffer(xml_.data(), xml_.size(), options, pugi::encoding_utf8);
        if (!result) fail(static_cast<ptrdiff_t>(result.offset), result.description());

        pugi::xml_node root = firstElement(doc);
        if (!root) fail(0, "no root element");
        if (std::string_view(root.name()) == "plist") {
            pugi::xml_node inner = firstElement(root);
            if (!inner) return Value();  // an empty property list
            if (nextElement(inner)) fail(nextElement(inner), "more than one value at the top level");
            return value(inner, 1);
        }
        return value(root, 1);
    }

private:
    [[noreturn]] void fail(ptrdiff_t offset, const std::string& message) const {
        size_t line = 1;
        size_t end = offset < 0 ? 0 : std::min(static_cast<size_t>(offset), xml_.size());
        for (size_t i = 0; i < end; ++i)
            if (xml_[i] == '\n') ++line;
        throw Exception(PropertyList::kExceptionName,
                        std::string(source_) + ":" + std::to_string(line) + ": " + message);
    }
    [[noreturn]] void fail(const pugi::xml_node& node, const std::string& message) const {
        fail(node.offset_debug(), message);
    }

    static bool isBlank(const pugi::xml_node& node) {
        if (node.type() != pugi::node_pcdata) return false;
        for (const char* p = node.value(); *p; ++p)
            if (*p != ' ' && *p != '\t' && *p != '\n' && *p != '\r') return false;
        return true;
    }

    // The first element child; stray text between elements is an error, white space is not.
    pugi::xml_node firstElement(const pugi::xml_node& parent) const {
        for (pugi::xml_node n = parent.first_child(); n; n = n.next_sibling()) {
            if (n.type() == pugi::node_element) return n;
            if (n.type() == pugi::node_pcdata || n.type() == pugi::node_cdata) {
                if (!isBlank(n)) fail(n, "unexpected text");
            }
        }
        return {};
    }
    pugi::xml_node nextElement(const pugi::xml_node& node) const {
        for (pugi::xml_node n = node.next_sibling(); n; n = n.next_sibling()) {
            if (n.type() == pugi::node_element) return n;
            if ((n.type() == pugi::node_pcdata || n.type() == pugi::node_cdata) && !isBlank(n))
                fail(n, "unexpected text");
        }
        return {};
    }

    std::string text(const pugi::xml_node& node) const {
        std::string out;
        for (pugi::xml_node n = node.first_child(); n; n = n.next_sibling()) {
            if (n.type() == pugi::node_pcdata || n.type() == pugi::node_cdata) {
                out += n.value();
            } else if (n.type() == pugi::node_element) {
                fail(n, std::string("unexpected element <") + n.name() + "> inside <" + node.name() + ">");
            }
        }
        return out;
    }

    static std::string_view trimmed(const std::string& s) {
        size_t b = s.find_first_not_of(" \t\r\n");
        if (b == std::string::npos) return {};
        size_t e = s.find_last_not_of(" \t\r\n");
        return std::string_view(s).substr(b, e - b + 1);
    }

    Value integer(const pugi::xml_node& node) const {
        std::string t = text(node);
        std::string_view s = trimmed(t);
        if (!s.empty() && s[0] == '+') s.remove_prefix(1);
        int64_t v = 0;
        auto res = std::from_chars(s.data(), s.data() + s.size(), v);
        if (s.empty() || res.ec != std::errc() || res.ptr != s.data() + s.size())
            fail(node, "not an integer: \"" + t + "\"");
        return Value(static_cast<long long>(v));
    }

    Value real(const pugi::xml_node& node) const {
        std::string t = text(node);
        std::string_view s = trimmed(t);
        std::string lower;
        for (char c : s) lower.push_back(static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c));
        if (lower == "nan") return Value(std::numeric_limits<double>::quiet_NaN());
        if (lower == "inf" || lower == "+inf" || lower == "infinity" || lower == "+infinity")
            return Value(std::numeric_limits<double>::infinity());
        if (lower == "-inf" || lower == "-infinity") return Value(-std::numeric_limits<double>::infinity());
        if (!s.empty() && s[0] == '+') s.remove_prefix(1);
        double v = 0;
        auto res = std::from_chars(s.data(), s.data() + s.size(), v);
        if (s.empty() || res.ec != std::errc() || res.ptr != s.data() + s.size())
            fail(node, "not a real number: \"" + t + "\"");
        return Value(v);
    }

    Value date(const pugi::xml_node& node) const {
        std::string t(trimmed(text(node)));
        // yyyy-MM-ddTHH:mm:ssZ
        bool ok = t.size() == 20 && t[4] == '-' && t[7] == '-' && t[10] == 'T' && t[13] == ':' &&
                  t[16] == ':' && t[19] == 'Z';
        for (size_t i : {0, 1, 2, 3, 5, 6, 8, 9, 11, 12, 14, 15, 17, 18})
            if (ok && (t[i] < '0' || t[i] > '9')) ok = false;
        if (!ok) fail(node, "not a date: \"" + t + "\"");
        return Value(t);
    }

    // depth counts the arrays and dictionaries around the value, itself included.
    Value value(const pugi::xml_node& node, int depth) const {
        std::string_view name = node.name();
        if ((name == "dict" || name == "array") && depth > PropertyList::kMaxDepth)
            fail(node, "nested deeper than " + std::to_string(PropertyList::kMaxDepth) + " levels");
        if (name == "dict") return dictionary(node, depth);
        if (name == "array") {
            Array items;
            for (pugi::xml_node n = firstElement(node); n; n = nextElement(n)) items.push_back(value(n, depth + 1));
            return Value(std::move(items));
        }
        if (name == "string") return Value(text(node));
        if (name == "integer") return integer(node);
        if (name == "real") return real(node);
        if (name == "true" || name == "false") {
            if (!trimmed(text(node)).empty()) fail(node, std::string("<") + node.name() + "> must be empty");
            return Value(name == "true");
        }
        if (name == "data") {
            auto bytes = base64Decode(text(node));
            if (!bytes) fail(node, "broken base64 in <data>");
            return Value(std::move(*bytes));
        }
        if (name == "date") return date(node);
        fail(node, "unknown element <" + std::string(name) + ">");
    }

    Value dictionary(const pugi::xml_node& node, int depth) const {
        Dictionary dict;
        for (pugi::xml_node n = firstElement(node); n; n = nextElement(n)) {
            if (std::string_view(n.name()) != "key") fail(n, "expected <key>, found <" + std::string(n.name()) + ">");
            std::string key = text(n);
            pugi::xml_node v = nextElement(n);
            if (!v) fail(n, "the key \"" + key + "\" has no value");
            if (std::string_view(v.name()) == "key") fail(v, "the key \"" + key + "\" has no value");
            dict.set(std::move(key), value(v, depth + 1));
            n = v;
        }
        return Value(std::move(dict));
    }

    std::string_view xml_;
    std::string_view source_;
};

void escape(std::string& out, std::string_view text) {
    for (unsigned char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '\r': out += "&#13;"; break;  // a bare CR would be read back as LF
            default:
                if (c < 0x20 && c != '\t' && c != '\n') {
                    out += "&#" + std::to_string(c) + ";";
                } else {
                    out.push_back(static_cast<char>(c));
                }
        }
    }
}

void writeValue(std::string& out, const Value& v, int depth);

void indent(std::string& out, int depth) { out.append(static_cast<size_t>(depth), '\t'); }

void writeElement(std::string& out, const char* tag, std::string_view content, int depth) {
    indent(out, depth);
    out += '<';
    out += tag;
    out += '>';
    escape(out, content);
    out += "</";
    out += tag;
    out += ">\n";
}

std::string realText(double d) {
    if (std::isnan(d)) return "nan";
    if (std::isinf(d)) return d > 0 ? "+infinity" : "-infinity";
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, d);
    return std::string(buf, res.ptr);
}

void writeValue(std::string& out, const Value& v, int depth) {
    switch (v.kind()) {
        case Value::Kind::Null: return;
        case Value::Kind::Bool:
            indent(out, depth);
            out += v.asBool() ? "<true/>\n" : "<false/>\n";
            return;
        case Value::Kind::Integer: writeElement(out, "integer", std::to_string(v.asInteger()), depth); return;
        case Value::Kind::Real: writeElement(out, "real", realText(v.asReal()), depth); return;
        case Value::Kind::Text: writeElement(out, "string", *v.text(), depth); return;
        case Value::Kind::Data: writeElement(out, "data", base64Encode(*v.data()), depth); return;
        case Value::Kind::Array:
            indent(out, depth);
            if (v.array()->empty()) {
                out += "<array/>\n";
                return;
            }
            out += "<array>\n";
            for (const Value& item : *v.array()) writeValue(out, item, depth + 1);
            indent(out, depth);
            out += "</array>\n";
            return;
        case Value::Kind::Dictionary:
            indent(out, depth);
            if (v.dictionary()->empty()) {
                out += "<dict/>\n";
                return;
            }
            out += "<dict>\n";
            for (const auto& [key, item] : *v.dictionary()) {
                if (item.isNull()) continue;
                writeElement(out, "key", key, depth + 1);
                writeValue(out, item, depth + 1);
            }
            indent(out, depth);
            out += "</dict>\n";
            return;
    }
}

}  // namespace

Value PropertyList::parse(std::string_view xml, std::string_view sourceName) {
    return Reader(xml, sourceName).read();
}

Value PropertyList::readFile(const std::string& path) {
    auto bytes = readWholeFile(path);
    if (!bytes) throw Exception(kExceptionName, path + ": cannot be read");
    return parse(*bytes, path);
}

std::string PropertyList::write(const Value& root) {
    std::string out =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
        "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
        "<plist version=\"1.0\">\n";
    writeValue(out, root, 0);
    out += "</plist>\n";
    return out;
}

}  // namespace zuno::sys
