// The catalog source folder (docs/catalog-format.md):
//   topics.xml            the topic tree with the company entries
//   companies.xml         per company: record file, keywords, pictures
//   records/ID.xml        one company record each
//   pictures/...          picture files named by companies.xml
//   files/...             companion files copied into the catalog folder
// XML files are read with libxml2 in the encoding they declare; every text
// in the model is code page 1251.
#include "builder.h"

#include "platform/text/cp1251.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace makecatalog {
namespace {

struct DocFree {
    void operator()(xmlDoc* d) const { xmlFreeDoc(d); }
};
using Doc = std::unique_ptr<xmlDoc, DocFree>;

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("Cannot read " + path.string());
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeFile(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("Cannot write " + path.string());
}

Doc parse(const fs::path& path) {
    const std::string bytes = readFile(path);
    Doc doc(xmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), path.c_str(), nullptr,
                          XML_PARSE_NONET | XML_PARSE_NOBLANKS));
    if (!doc)
        throw std::runtime_error(path.string() + " is not well-formed XML");
    return doc;
}

bool isElement(const xmlNode* n, const char* name) {
    return n->type == XML_ELEMENT_NODE && xmlStrcmp(n->name, BAD_CAST name) == 0;
}

// An attribute in code page 1251; empty when absent.
std::string attr(const xmlNode* n, const char* name) {
    xmlChar* v = xmlGetProp(n, BAD_CAST name);
    if (!v)
        return {};
    std::string s = text::utf8ToCp1251(reinterpret_cast<const char*>(v));
    xmlFree(v);
    return s;
}

int32_t intAttr(const xmlNode* n, const char* name, int32_t fallback) {
    const std::string v = attr(n, name);
    if (v.empty())
        return fallback;
    try {
        return static_cast<int32_t>(std::stol(v, nullptr, 0));
    } catch (const std::exception&) {
        throw std::runtime_error("Attribute " + std::string(name) + " is not a number: " + v);
    }
}

std::string content(const xmlNode* n) {
    xmlChar* v = xmlNodeGetContent(n);
    std::string s = v ? text::utf8ToCp1251(reinterpret_cast<const char*>(v)) : std::string();
    xmlFree(v);
    return s;
}

// A source path must stay inside the source folder.
fs::path inside(const fs::path& folder, const std::string& relative) {
    const fs::path p = fs::path(relative).lexically_normal();
    if (relative.empty() || p.is_absolute() || *p.begin() == "..")
        throw std::runtime_error("Path leaves the source folder: " + relative);
    return folder / p;
}

TopicNode readTopic(const xmlNode* n) {
    TopicNode node;
    node.name = attr(n, "name");
    node.scrambleName = intAttr(n, "scramble", 0) != 0;
    if (isElement(n, "company")) {
        node.companyId = intAttr(n, "id", -1);
        if (node.companyId < 0)
            throw std::runtime_error("Company entry without an id: " + node.name);
        node.property = intAttr(n, "property", 0);
        return node;
    }
    for (const xmlNode* c = n->children; c; c = c->next)
        if (isElement(c, "topic") || isElement(c, "company"))
            node.children.push_back(readTopic(c));
    return node;
}

// Records are stored in code page 1251 without a declaration. A record file
// that declares windows-1251 is taken as it is; any other (or none, which
// means UTF-8 in XML) is converted from UTF-8.
std::string storedRecord(std::string record) {
    bool cp1251 = false;
    if (record.rfind("<?xml", 0) == 0) {
        const size_t end = record.find("?>");
        if (end == std::string::npos)
            throw std::runtime_error("Unterminated XML declaration in a record");
        std::string declaration = record.substr(0, end);
        for (char& ch : declaration)
            ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        cp1251 = declaration.find("windows-1251") != std::string::npos ||
                 declaration.find("cp1251") != std::string::npos;
        size_t from = end + 2;
        while (from < record.size() && static_cast<unsigned char>(record[from]) <= ' ')
            ++from;
        record.erase(0, from);
    }
    return cp1251 ? record : text::utf8ToCp1251(record);
}

std::string xmlEscape(const std::string& s) {
    std::string out;
    for (char ch : s) {
        switch (ch) {
        case '&': out += "&amp;"; break;
        case '"': out += "&quot;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        default: out += ch;
        }
    }
    return out;
}

const char* const Declaration = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n";

void writeTopic(std::string& out, const TopicNode& node, int depth) {
    out.append(static_cast<size_t>(depth) * 2, ' ');
    if (node.companyId >= 0) {
        out += "<company id=\"" + std::to_string(node.companyId) + "\" name=\"" + xmlEscape(node.name) + "\"";
        if (node.property)
            out += " property=\"" + std::to_string(node.property) + "\"";
        if (node.scrambleName)
            out += " scramble=\"1\"";
        out += "/>\n";
        return;
    }
    out += "<topic name=\"" + xmlEscape(node.name) + "\"";
    if (node.scrambleName)
        out += " scramble=\"1\"";
    out += ">\n";
    for (const TopicNode& c : node.children)
        writeTopic(out, c, depth + 1);
    out.append(static_cast<size_t>(depth) * 2, ' ');
    out += "</topic>\n";
}

}  // namespace

CatalogSource readSourceFolder(const std::string& folderName) {
    const fs::path folder(folderName);
    CatalogSource source;

    Doc topics = parse(folder / "topics.xml");
    for (const xmlNode* n = xmlDocGetRootElement(topics.get())->children; n; n = n->next)
        if (isElement(n, "topic") || isElement(n, "company"))
            source.topics.push_back(readTopic(n));

    Doc companies = parse(folder / "companies.xml");
    for (const xmlNode* n = xmlDocGetRootElement(companies.get())->children; n; n = n->next) {
        if (!isElement(n, "company"))
            continue;
        CompanySource company;
        company.id = intAttr(n, "id", -1);
        if (company.id < 0)
            throw std::runtime_error("companies.xml: a company without an id");
        company.record = storedRecord(readFile(inside(folder, attr(n, "record"))));
        for (const xmlNode* c = n->children; c; c = c->next) {
            if (isElement(c, "keyword")) {
                company.keywords.push_back(content(c));
            } else if (isElement(c, "image")) {
                ImageSource image;
                image.name = attr(c, "name");
                image.type = intAttr(c, "type", 0);
                image.storage = intAttr(c, "storage", StorePlain);
                image.data = readFile(inside(folder, attr(c, "data")));
                if (!attr(c, "thumb").empty())
                    image.thumb = readFile(inside(folder, attr(c, "thumb")));
                company.images.push_back(std::move(image));
            }
        }
        source.companies.push_back(std::move(company));
    }

    const fs::path files = folder / "files";
    if (fs::is_directory(files))
        for (const auto& entry : fs::recursive_directory_iterator(files))
            if (entry.is_regular_file())
                source.files[fs::relative(entry.path(), files).generic_string()] = readFile(entry.path());
    return source;
}

void writeSourceFolder(const CatalogSource& source, const std::string& folderName) {
    const fs::path folder(folderName);
    std::string topics = std::string(Declaration) + "<topics>\n";
    for (const TopicNode& node : source.topics)
        writeTopic(topics, node, 1);
    topics += "</topics>\n";
    writeFile(folder / "topics.xml", topics);

    std::string companies = std::string(Declaration) + "<companies>\n";
    for (const CompanySource& c : source.companies) {
        const std::string id = std::to_string(c.id);
        const std::string record = "records/" + id + ".xml";
        writeFile(folder / record, Declaration + c.record);
        companies += "  <company id=\"" + id + "\" record=\"" + record + "\">\n";
        for (const std::string& word : c.keywords)
            companies += "    <keyword>" + xmlEscape(word) + "</keyword>\n";
        for (const ImageSource& image : c.images) {
            const std::string data = "pictures/" + id + "/" + image.name;
            writeFile(folder / data, image.data);
            companies += "    <image name=\"" + xmlEscape(image.name) + "\" type=\"" +
                         std::to_string(image.type) + "\" storage=\"" + std::to_string(image.storage) +
                         "\" data=\"" + xmlEscape(data) + "\"";
            if (!image.thumb.empty()) {
                const std::string thumb = "pictures/" + id + "/thumb_" + image.name;
                writeFile(folder / thumb, image.thumb);
                companies += " thumb=\"" + xmlEscape(thumb) + "\"";
            }
            companies += "/>\n";
        }
        companies += "  </company>\n";
    }
    companies += "</companies>\n";
    writeFile(folder / "companies.xml", companies);

    for (const auto& [name, bytes] : source.files)
        writeFile(inside(folder / "files", name), bytes);
}

}  // namespace makecatalog
