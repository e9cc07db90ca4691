#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zuno::sys {

// A "multipart/form-data" body: text fields and files, in the order they are added.
class HttpMultipartForm {
public:
    // A boundary of our own making unless one is given.
    explicit HttpMultipartForm(std::string boundary = {});

    void addField(std::string name, std::string value);
    void addFile(std::string name, std::string fileName, std::string contentType, std::string bytes);

    const std::string& boundary() const { return boundary_; }
    // "multipart/form-data; boundary=..."
    std::string contentType() const;
    // Each part opens with "--boundary", and the body ends with "--boundary--".
    std::string body() const;

private:
    struct Part {
        std::string name;
        std::string fileName;
        std::string contentType;  // empty for a text field
        std::string bytes;
        bool isFile;
    };
    std::string boundary_;
    std::vector<Part> parts_;
};

}  // namespace zuno::sys
