#pragma once
// The history lists: unique, case-sensitive string keys mapped to string items,
// listed in the order they were first added (replacing an item keeps its place).

#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace quarvex {

class StringDict {
public:
    bool Exists(const std::string& key) const { return index_.count(key) != 0; }
    int Count() const { return static_cast<int>(entries_.size()); }

    // Adds a new pair; returns false (and changes nothing) when the key exists.
    bool Add(const std::string& key, const std::string& item)
    {
        if (Exists(key))
            return false;
        index_.emplace(key, entries_.size());
        entries_.emplace_back(key, item);
        return true;
    }

    // Replaces the item of an existing key, or adds the pair.
    void Set(const std::string& key, const std::string& item)
    {
        auto it = index_.find(key);
        if (it == index_.end())
            Add(key, item);
        else
            entries_[it->second].second = item;
    }

    // The item of a key; empty when the key is missing.
    std::string Item(const std::string& key) const
    {
        auto it = index_.find(key);
        return it == index_.end() ? std::string() : entries_[it->second].second;
    }

    std::vector<std::string> Keys() const
    {
        std::vector<std::string> out;
        out.reserve(entries_.size());
        for (const auto& e : entries_)
            out.push_back(e.first);
        return out;
    }
    std::vector<std::string> Items() const
    {
        std::vector<std::string> out;
        out.reserve(entries_.size());
        for (const auto& e : entries_)
            out.push_back(e.second);
        return out;
    }

    void RemoveAll()
    {
        entries_.clear();
        index_.clear();
    }

private:
    std::vector<std::pair<std::string, std::string>> entries_;
    std::unordered_map<std::string, std::size_t> index_;
};

} // namespace quarvex
