#!/usr/bin/python3
"""Validates JSON documents against a JSON Schema of draft 2020-12:
  check-json-schema.py <schema.json> <document.json>...
Each document is checked twice: against the schema as it is published, whose objects are open to
fields added later, and against a closed copy of it, in which every object with "type": "object"
(or a list of types with "object") and "properties" admits no other field, so that a field the program writes but the schema does
not describe fails too. Prints "ok:" or "FAIL:" lines; exits 0 when every document is valid, 1
when one is not, 2 when it cannot check (no python3-jsonschema, a file that cannot be read, a
schema that is not valid draft 2020-12)."""

import copy
import json
import sys

DRAFT = "https://json-schema.org/draft/2020-12/schema"

try:
    from jsonschema import Draft202012Validator
except ImportError:
    print("FAIL: cannot validate: python3-jsonschema is not installed (tools/install-deps.sh)")
    sys.exit(2)


def closed(schema):
    """A copy of schema whose object schemas with listed properties admit no others."""
    if isinstance(schema, list):
        return [closed(item) for item in schema]
    if not isinstance(schema, dict):
        return schema
    copied = {key: closed(value) for key, value in schema.items()}
    kind = copied.get("type")
    if (kind == "object" or isinstance(kind, list) and "object" in kind) and "properties" in schema:
        copied.setdefault("additionalProperties", False)
    return copied


def errors_of(validator, document):
    found = sorted(validator.iter_errors(document), key=lambda error: list(error.absolute_path))
    return ["%s: %s (the schema's %s)" % (error.json_path, message(error),
                                         "/".join(str(part) for part in error.absolute_schema_path))
            for error in found]


def message(error):
    # A broken "not" rule would print the whole object: what it forbids says more.
    if error.validator == "not":
        return "must not match " + json.dumps(error.validator_value)
    return shortened(error.message)


def shortened(text, length=160):
    return text if len(text) <= length else text[:length] + "..."


def main(arguments):
    if len(arguments) < 2:
        print("usage: check-json-schema.py <schema.json> <document.json>...")
        return 2
    try:
        with open(arguments[0], encoding="utf-8") as file:
            schema = json.load(file)
        if schema.get("$schema") != DRAFT:
            raise ValueError("its $schema is not " + DRAFT)
        Draft202012Validator.check_schema(schema)
    except Exception as problem:  # any reason the schema is unusable ends the check
        print("FAIL: cannot use the schema %s: %s" % (arguments[0], problem))
        return 2
    validators = [("", Draft202012Validator(schema)),
                  (" (a field the schema does not describe)",
                   Draft202012Validator(closed(schema)))]
    failed = 0
    for path in arguments[1:]:
        try:
            with open(path, encoding="utf-8") as file:
                document = json.load(file)
        except (OSError, ValueError) as problem:
            print("FAIL: cannot read %s as JSON: %s" % (path, problem))
            return 2
        problems = []
        for kind, validator in validators:  # the closed copy only once the schema itself passes
            problems = problems or [problem + kind for problem in errors_of(validator, document)]
        if problems:
            failed = 1
            print("FAIL: %s does not match %s:" % (path, arguments[0]))
            for problem in problems[:20]:
                print("      " + problem)
        else:
            print("ok:   %s matches %s" % (path, arguments[0]))
    return failed


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
