#pragma once
// Result codes of the component-style interfaces (theme painter, drag and
// drop, data objects), with their conventional values.

#include <cstdint>

using HRESULT = int32_t;

constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_NOTIMPL = int32_t(0x80004001u);
constexpr HRESULT E_NOINTERFACE = int32_t(0x80004002u);
constexpr HRESULT E_POINTER = int32_t(0x80004003u);
constexpr HRESULT E_ABORT = int32_t(0x80004004u);
constexpr HRESULT E_FAIL = int32_t(0x80004005u);
constexpr HRESULT E_UNEXPECTED = int32_t(0x8000FFFFu);
constexpr HRESULT E_HANDLE = int32_t(0x80070006u);
constexpr HRESULT E_OUTOFMEMORY = int32_t(0x8007000Eu);
constexpr HRESULT E_INVALIDARG = int32_t(0x80070057u);

constexpr bool SUCCEEDED(HRESULT hr) { return hr >= 0; }
constexpr bool FAILED(HRESULT hr) { return hr < 0; }
