#include "platform/net/HttpMultipartForm.h"

#include <random>

namespace zuno::sys {

namespace {
std::string randomBoundary() {
    static const char* chars = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::random_device random;
    std::string b = "zuno-";
    for (int i = 0; i < 32; ++i) b.push_back(chars[random() % 62]);
    return b;
}

// A name inside a quoted header parameter: quotes and line breaks would end it early.
std::string quoted(std::string_view s) {
    std::string out;
    for (char c : s) {
        if (c == '"') {
            out += "%22";
        } else if (c == '\r' || c == '\n') {
            out += c == '\r' ? "%0D" : "%0A";
        } else {
            out.push_back(c);
        }
    }
    return out;
}

std::string oneLine(std::string_view s) {
    std::string out;
    for (char c : s)
        if (c != '\r' && c != '\n') out.push_back(c);
    return out;
}
}  // namespace

HttpMultipartForm::HttpMultipartForm(std::string boundary)
    : boundary_(boundary.empty() ? randomBoundary() : oneLine(boundary)) {}

void HttpMultipartForm::addField(std::string name, std::string value) {
    parts_.push_back(Part{std::move(name), {}, {}, std::move(value), false});
}

void HttpMultipartForm::addFile(std::string name, std::string fileName, std::string contentType, std::string bytes) {
    parts_.push_back(Part{std::move(name), std::move(fileName), std::move(contentType), std::move(bytes), true});
}

std::string HttpMultipartForm::contentType() const { return "multipart/form-data; boundary=" + boundary_; }

std::string HttpMultipartForm::body() const {
    std::string out;
    for (const Part& p : parts_) {
        out += "--" + boundary_ + "\r\n";
        out += "Content-Disposition: form-data; name=\"" + quoted(p.name) + "\"";
        if (p.isFile) {
            out += "; filename=\"" + quoted(p.fileName) + "\"\r\n";
            out += "Content-Type: " + oneLine(p.contentType.empty() ? "application/octet-stream" : p.contentType);
        }
        out += "\r\n\r\n";
        out += p.bytes;
        out += "\r\n";
    }
    out += "--" + boundary_ + "--\r\n";
    return out;
}

}  // namespace zuno::sys
