// The Kubernetes manifests in deploy/kubernetes read against the API's schemas, as the
// locked kubernetes-models carries them, and held to the hardening a district's cluster
// asks for. No cluster is needed.
// Usage: node manifests_test.mjs MANIFEST_DIR VERSION
import assert from "node:assert/strict";
import { readdirSync, readFileSync } from "node:fs";
import { join } from "node:path";
import { parseAllDocuments } from "yaml";
import { Deployment } from "kubernetes-models/apps/v1/Deployment";
import { HorizontalPodAutoscaler } from "kubernetes-models/autoscaling/v2/HorizontalPodAutoscaler";
import { Ingress } from "kubernetes-models/networking.k8s.io/v1/Ingress";
import { PodDisruptionBudget } from "kubernetes-models/policy/v1/PodDisruptionBudget";
import { Service } from "kubernetes-models/v1/Service";
import { validate as deploymentSchema } from "kubernetes-models/_schemas/IoK8sApiAppsV1Deployment";
import { validate as autoscalerSchema } from "kubernetes-models/_schemas/IoK8sApiAutoscalingV2HorizontalPodAutoscaler";
import { validate as ingressSchema } from "kubernetes-models/_schemas/IoK8sApiNetworkingV1Ingress";
import { validate as budgetSchema } from "kubernetes-models/_schemas/IoK8sApiPolicyV1PodDisruptionBudget";
import { validate as serviceSchema } from "kubernetes-models/_schemas/IoK8sApiCoreV1Service";

const [directory, version] = process.argv.slice(2);
const kModels = { Deployment, HorizontalPodAutoscaler, Ingress, PodDisruptionBudget, Service };
const kSchemas = { Deployment: deploymentSchema, HorizontalPodAutoscaler: autoscalerSchema,
                   Ingress: ingressSchema, PodDisruptionBudget: budgetSchema, Service: serviceSchema };

// The fields of object that its schema does not know. The schema's validator reads every
// field it knows (and every key of a map); a field it never reads, a cluster would refuse
// or, worse, drop without a word, as it would a misspelt "readOnlyRootFileSystem".
function unknownFields(object, schema) {
  const read = new Set();
  const watched = (value, path) => (value === null || typeof value !== "object") ? value
    : new Proxy(value, { get(target, key) {
        if (typeof key === "string") read.add(`${path}/${key}`);
        return watched(target[key], `${path}/${key}`);
      } });
  schema(watched(object, ""));
  const unknown = [];
  const walk = (value, path) => {
    if (value === null || typeof value !== "object") return;
    for (const [key, child] of Object.entries(value)) {
      const childPath = `${path}/${key}`;
      if (!read.has(childPath)) unknown.push(childPath);
      else walk(child, childPath);
    }
  };
  walk(object, "");
  return unknown;
}

function read(file) {
  return parseAllDocuments(readFileSync(join(directory, file), "utf8")).map((document) => {
    assert.deepEqual(document.errors, [], `${file} is not plain YAML`);
    return document.toJS();
  });
}

// kubectl apply -k takes exactly the files there are, each object of a kind checked here.
const [kustomization] = read("kustomization.yaml");
const files = readdirSync(directory).filter((name) => name !== "kustomization.yaml");
assert.deepEqual([...kustomization.resources].sort(), files.sort(), "kustomization.yaml's resources");
const objects = {};
for (const file of files) {
  for (const object of read(file)) {
    const Model = kModels[object.kind];
    assert.ok(Model, `${file}: no check for a ${object.kind}`);
    assert.equal(object.apiVersion, Model.apiVersion, `${file}: the ${object.kind}'s apiVersion`);
    new Model(object).validate(); // throws with the field's path when it breaks the schema
    assert.deepEqual(unknownFields(object, kSchemas[object.kind]), [], `${file}: fields the schema does not know`);
    assert.equal(objects[object.kind], undefined, `a second ${object.kind}`);
    objects[object.kind] = object;
  }
}
assert.deepEqual(Object.keys(objects).sort(), Object.keys(kModels).sort());
const { Deployment: deployment, Service: service } = objects;

// Two copies of the image this source builds, hardened.
const pod = deployment.spec.template.spec;
assert.equal(deployment.spec.replicas, 2);
assert.equal(pod.containers.length, 1);
const [container] = pod.containers;
assert.equal(container.image, `tallyworth-serve:${version}`);
assert.deepEqual(kustomization.images, [{ name: "tallyworth-serve", newTag: version }]);
assert.equal(pod.securityContext.runAsNonRoot, true);
assert.ok(pod.securityContext.runAsUser > 0, "the pod's user is root");
assert.equal(pod.securityContext.seccompProfile.type, "RuntimeDefault");
assert.equal(pod.automountServiceAccountToken, false);
assert.deepEqual(container.securityContext, {
  allowPrivilegeEscalation: false,
  readOnlyRootFilesystem: true,
  runAsNonRoot: true,
  capabilities: { drop: ["ALL"] },
  seccompProfile: { type: "RuntimeDefault" },
});
assert.equal(pod.volumes, undefined, "the server needs no writable mount");
assert.equal(container.volumeMounts, undefined, "the server needs no writable mount");
for (const bound of ["requests", "limits"]) {
  assert.deepEqual(Object.keys(container.resources[bound]).sort(), ["cpu", "memory"], bound);
}

// The probes ask the server's own routes under the base path the container is given.
const setting = (name) => container.env.find((variable) => variable.name === name)?.value;
const basePath = setting("TALLYWORTH_BASE_PATH");
assert.match(basePath, /^\/[a-z]+$/);
const [port] = container.ports;
assert.equal(port.containerPort, 8470);
for (const [probe, route] of [["startupProbe", "health"], ["livenessProbe", "health"], ["readinessProbe", "ready"]]) {
  assert.deepEqual(container[probe].httpGet, { path: `${basePath}/${route}`, port: port.name }, probe);
}
assert.equal(Number(setting("TALLYWORTH_SETS")), Number(container.resources.limits.cpu),
  "as many sets at once as the CPU limit has cores");

// Service, autoscaler, disruption budget and Ingress all reach those pods.
const podLabels = deployment.spec.template.metadata.labels;
assert.deepEqual(deployment.spec.selector.matchLabels, podLabels);
assert.deepEqual(service.spec.selector, podLabels);
assert.equal(service.spec.ports[0].targetPort, port.name);
assert.deepEqual(objects.PodDisruptionBudget.spec.selector.matchLabels, podLabels);
const autoscaler = objects.HorizontalPodAutoscaler.spec;
assert.deepEqual(autoscaler.scaleTargetRef, { apiVersion: "apps/v1", kind: "Deployment", name: deployment.metadata.name });
assert.equal(autoscaler.minReplicas, deployment.spec.replicas);
assert.equal(autoscaler.metrics[0].resource.name, "cpu");
const [path] = objects.Ingress.spec.rules[0].http.paths;
assert.equal(setting("TALLYWORTH_PUBLIC_URL"), `https://${objects.Ingress.spec.rules[0].host}${basePath}/`,
  "the sheets' QR codes lead to the Ingress");
assert.deepEqual({ path: path.path, service: path.backend.service },
  { path: basePath, service: { name: service.metadata.name, port: { name: service.spec.ports[0].name } } });
console.log(`${files.length} manifests read against the schemas and hardened`);
