#pragma once
#include <Qt>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <vector>

namespace form {

// A control array: elements addressed by index, created at run time as copies of an
// existing element (hidden at first) and removed again. T provides clone().
template <typename T>
class ControlArray {
public:
    // Takes the design-time element at the given index.
    void adopt(int index, T* element)
    {
        m_elements[index].reset(element);
        wire(index);
    }

    // Creates element `index` as a hidden copy of the lowest existing element.
    T* load(int index)
    {
        if (m_elements.count(index))
            throw std::logic_error("control array element already loaded");
        if (m_elements.empty())
            throw std::logic_error("control array has no element to copy");
        T* copy = m_elements.begin()->second->clone();
        copy->setVisible(false);
        m_elements[index].reset(copy);
        wire(index);
        return copy;
    }

    // Removes a loaded element.
    void unload(int index) { m_elements.erase(index); }

    bool exists(int index) const { return m_elements.count(index) != 0; }
    T* operator()(int index) const
    {
        auto it = m_elements.find(index);
        if (it == m_elements.end())
            throw std::out_of_range("control array element not loaded");
        return it->second.get();
    }
    T* find(int index) const
    {
        auto it = m_elements.find(index);
        return it == m_elements.end() ? nullptr : it->second.get();
    }
    std::vector<int> indices() const
    {
        std::vector<int> out;
        for (const auto& [index, element] : m_elements)
            out.push_back(index);
        return out;
    }
    int count() const { return static_cast<int>(m_elements.size()); }
    int upperBound() const { return m_elements.empty() ? -1 : m_elements.rbegin()->first; }

    // Events of every element, with the element's index.
    std::function<void(int)> onClick;
    std::function<void(int, Qt::MouseButton)> onMouseDown;

private:
    void wire(int index)
    {
        T* element = m_elements[index].get();
        element->onClick = [this, index] {
            if (onClick)
                onClick(index);
        };
        element->onMouseDown = [this, index](Qt::MouseButton button) {
            if (onMouseDown)
                onMouseDown(index, button);
        };
    }

    std::map<int, std::unique_ptr<T>> m_elements;
};

} // namespace form
